#pragma once

#include "mainwin/FormMain.h"

#include "support/ProjectFixture.h"

#include <QLabel>
#include <QTableView>

#include <memory>

// The main window over the sandboxed project, with its grid and help line.
class MainWindowFixture : public ProjectFixture
{
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        form = std::make_unique<FormMain>(state, services);
        grid = form->findChild<QTableView *>(QStringLiteral("GridData"));
        help = form->findChild<QLabel *>(QStringLiteral("LabelResHelp"));
        ASSERT_TRUE(grid && help);
    }

    QString open(const QByteArray &project)
    {
        QString file = write(QStringLiteral("Resource.k7r"), project);
        dialogs.answer(file);
        form->MenuOpen_Click();
        return file;
    }

    std::unique_ptr<FormMain> form;
    QTableView *grid = nullptr;
    QLabel *help = nullptr;
};
