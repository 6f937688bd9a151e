#include "editors/VogProxy.h"

VogProxy::Tool VogProxy::tool()
{
    const int code = number(ToolId);
    return code >= 0 && code <= 5 ? static_cast<Tool>(code) : Tool::Select;
}

QVariant VogProxy::get(Id id)
{
    automation::Status status = automation::S_OK;
    QVariant value = m_control.get(id, &status);
    check(id, status);
    return automation::succeeded(status) ? value : QVariant();
}

void VogProxy::put(Id id, const QVariant &value)
{
    check(id, m_control.put(id, value));
}

QVariant VogProxy::call(Id id, const QVariantList &args)
{
    automation::Status status = automation::S_OK;
    QVariant value = m_control.call(id, args, &status);
    check(id, status);
    return automation::succeeded(status) ? value : QVariant();
}

void VogProxy::check(Id id, automation::Status status)
{
    if (automation::succeeded(status) || !m_failure.isEmpty())
        return;
    m_failure = QStringLiteral("member ") + QString::number(id) + QStringLiteral(": ") +
                automation::statusText(status);
}
