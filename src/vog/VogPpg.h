#pragma once

#include <QWidget>

// The control's one property page, "General". It edits nothing: the host sets the
// properties through the dispatch interface.
class CVogPropPage : public QWidget
{
    Q_OBJECT

public:
    explicit CVogPropPage(QWidget *parent = nullptr);

    static QString caption();
};

// The Properties verb: the control's pages in a modal sheet over `parent`.
void showPropertySheet(QWidget *parent);
