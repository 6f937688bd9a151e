#pragma once

#include "platform/automation/Component.h"
#include "vog/core/DotModel.h"

#include <QFont>
#include <QPointer>

class VogWidget;

// The Vog control as its host sees it: the dispatch interface _DVog (properties and
// methods by dispatch identifier), property exchange, the Properties verb and the
// event connection of _DVogEvents. It owns the dot model and the window.
class CVogCtrl : public automation::ComponentObject
{
public:
    CVogCtrl();
    ~CVogCtrl() override;
    CVogCtrl(const CVogCtrl &) = delete;
    CVogCtrl &operator=(const CVogCtrl &) = delete;

    // The members of _DVog with their identifiers and types.
    static const automation::MemberTable &members();

    automation::Status getIDsOfNames(const QStringList &names,
                                     QList<automation::DispId> *ids) override;
    automation::Status invoke(automation::DispId id, automation::InvokeKind kind,
                              const QVariantList &args, QVariant *result) override;

    QWidget *widget() override;
    automation::Status initNew() override;
    automation::Status load(const automation::PropertyBag &bag) override;
    automation::Status save(automation::PropertyBag *bag) override;
    automation::Status advise(automation::Dispatch *sink) override;
    automation::Status doVerb(qint32 verb, QWidget *parent) override;

private:
    automation::Status getProperty(automation::DispId id, QVariant *result) const;
    void putProperty(automation::DispId id, const QVariant &value);
    automation::Status callMethod(automation::DispId id, const QVariantList &args,
                                  QVariant *result);
    // The stock font a new control starts with.
    static QFont defaultFont();
    // Every exchange ends here: the dots are never persisted.
    void afterExchange();

    vog::DotModel m_model;
    QPointer<VogWidget> m_widget;
    int m_textAlignment = 0;
    QFont m_font;
    automation::Dispatch *m_eventSink = nullptr; // declared, never raised
};
