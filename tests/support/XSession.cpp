#include "support/XSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace xsession {

namespace {

QString xdotool()
{
    return QStandardPaths::findExecutable(u"xdotool"_s);
}

} // namespace

QString whyNot()
{
    if (QGuiApplication::platformName() != "xcb"_L1)
        return u"needs an X display"_s;
    if (xdotool().isEmpty())
        return u"needs xdotool"_s;
    return {};
}

void xdo(const QStringList &args)
{
    QProcess process;
    process.start(xdotool(), args);
    while (process.state() != QProcess::NotRunning) {
        process.waitForFinished(10);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(process.exitCode(), 0) << args.join(u' ').toStdString();
}

QStringList at(const QWidget *widget)
{
    const QPoint p = widget->mapToGlobal(widget->rect().center());
    return {u"mousemove"_s, u"--sync"_s, QString::number(p.x()), QString::number(p.y())};
}

void click(const QWidget *widget)
{
    xdo(at(widget) + QStringList{u"click"_s, u"1"_s});
    settle(100);
}

void keys(const QStringList &names)
{
    for (const QString &name : names) {
        xdo({u"key"_s, u"--clearmodifiers"_s, name});
        settle(60);
    }
}

void type(const QString &text)
{
    xdo({u"type"_s, u"--delay"_s, u"20"_s, text});
    settle(60);
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void activate(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    QElapsedTimer clock;
    clock.start();
    while (QApplication::activeWindow() != window && clock.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    settle(100);
}

Messages::Answer BoxMessages::present(const Message &message)
{
    texts << message.text;
    m_boxes.showTitled(message.text, message.title);
    return Answer::Ok;
}

Closer::Closer()
{
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { look(); });
    m_timer.start(100);
}

void Closer::look()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box == m_seen)
        return;
    m_seen = box;
    ++closed;
    auto *process = new QProcess(&m_processes);
    QStringList args{u"key"_s, u"Return"_s};
    if (closed % 2 == 0 && !box->buttons().isEmpty())
        args = at(box->buttons().constFirst()) + QStringList{u"click"_s, u"1"_s};
    process->start(xdotool(), args);
}

} // namespace xsession
