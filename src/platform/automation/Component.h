#pragma once

#include "platform/automation/Dispatch.h"

#include <QList>
#include <QString>
#include <QUuid>
#include <QVariant>
#include <memory>
#include <utility>

class QWidget;

// What a component library hands its host: objects that answer late-bound calls,
// may show a widget, persist their properties and connect an event sink; and the
// factories that make them.
namespace automation {

// Properties in exchange order, as (name, value).
using PropertyBag = QList<std::pair<QString, QVariant>>;

// Verbs a host may ask an object to perform.
constexpr qint32 OLEIVERB_PROPERTIES = -7;

class ComponentObject : public Dispatch
{
public:
    // The object's widget for the host to place in its window, or null for an object
    // without one. The host may reparent it; the object never deletes a widget that
    // the host has taken over and destroyed.
    virtual QWidget *widget() { return nullptr; }

    // Property exchange with a persistent store: defaults, load, save.
    virtual Status initNew() { return E_NOTIMPL; }
    virtual Status load(const PropertyBag &bag)
    {
        (void)bag;
        return E_NOTIMPL;
    }
    virtual Status save(PropertyBag *bag)
    {
        (void)bag;
        return E_NOTIMPL;
    }

    // Connects the host's sink for the object's events (null disconnects). The sink
    // must outlive the connection.
    virtual Status advise(Dispatch *sink)
    {
        (void)sink;
        return E_NOTIMPL;
    }

    virtual Status doVerb(qint32 verb, QWidget *parent)
    {
        (void)verb;
        (void)parent;
        return E_NOTIMPL;
    }
};

class ClassFactory
{
public:
    virtual ~ClassFactory() = default;
    virtual Status createInstance(std::unique_ptr<ComponentObject> *object) = 0;
};

// The entry points every component library exports with C linkage.
extern "C" {
using DllRegisterServerFn = Status (*)();
using DllUnregisterServerFn = Status (*)();
// On success *factory is a new factory that the caller deletes.
using DllGetClassObjectFn = Status (*)(const QUuid *clsid, ClassFactory **factory);
using DllCanUnloadNowFn = Status (*)();
}

} // namespace automation
