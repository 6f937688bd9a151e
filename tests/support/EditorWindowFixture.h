#pragma once

#include "project/ProjectState.h"
#include "support/ServiceDoubles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>

// A project of one item whose file lies in a subfolder, as in the template.
class EditorWindowTest : public ::testing::Test, protected ServiceDoubles
{
protected:
    QTemporaryDir folder;
    ProjectState state;

    // Makes the item current with its file holding bytes (none: no file) and
    // forgets earlier messages. fileName uses "\" between folders, as project
    // files do.
    void useItem(const QString &type, const QString &fileName,
                 const std::optional<QByteArray> &bytes, const QString &limits = {})
    {
        state.items().clear();
        state.items().append({type, QStringLiteral("Item"), fileName, QString(), limits});
        state.setFolderPath(folder.path());
        state.setCurrentItem(0);
        QDir(folder.path()).mkpath(QFileInfo(diskPath(fileName)).path());
        QFile::remove(diskPath(fileName));
        if (bytes) {
            QFile file(diskPath(fileName));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*bytes);
        }
        messages.clear();
    }

    QString diskPath(const QString &fileName) const
    {
        return folder.filePath(QString(fileName).replace(QLatin1Char('\\'), QLatin1Char('/')));
    }

    QByteArray readFile(const QString &fileName) const
    {
        QFile file(diskPath(fileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // The messages a step should show: one, or none for nullptr.
    static QStringList shows(const char *message)
    {
        return message ? QStringList{QString::fromUtf8(message)} : QStringList();
    }

    // Shows the window and gives it the keyboard, so focus moves can be seen.
    static void activate(QWidget &window)
    {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }
};
