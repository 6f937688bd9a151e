// The library's entry points: self-registration from the type library it carries,
// and the class factories of the control and its property page.
#include "platform/automation/Component.h"
#include "platform/automation/Library.h"
#include "platform/automation/Registry.h"
#include "platform/automation/TypeLibrary.h"
#include "vog/VogCtl.h"
#include "vog/VogPpg.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

using namespace automation;

namespace {

const QUuid controlClass =
    QUuid::fromString(QStringLiteral("{E1E72B77-BEC3-11D3-8485-0080C890AEF9}"));
const QUuid propertyPageClass =
    QUuid::fromString(QStringLiteral("{E1E72B94-BEC3-11D3-8485-0080C890AEF9}"));

// Recompose on resize, can't link inside, inside-out, activate when visible, set
// client site first.
constexpr quint32 controlMiscStatus = 0x20191;

Status readOwnTypeLibrary(TypeLibrary *library)
{
    QFile file(QStringLiteral(":/vog/VogLib.json"));
    if (!file.open(QIODevice::ReadOnly))
        return E_FAIL;
    return readTypeLibrary(file.readAll(), library);
}

QString ownPath()
{
    return modulePath(reinterpret_cast<const void *>(&readOwnTypeLibrary));
}

// Widgets need an application object; a host without one gets a status, not a crash.
bool canCreateWidgets()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance());
}

class ControlFactory : public ClassFactory
{
public:
    Status createInstance(std::unique_ptr<ComponentObject> *object) override
    {
        if (!canCreateWidgets())
            return E_UNEXPECTED;
        *object = std::make_unique<CVogCtrl>();
        return S_OK;
    }
};

// The property page as an object of its own: a widget and no members.
class PropertyPageObject : public ComponentObject
{
public:
    PropertyPageObject() : m_page(new CVogPropPage) {}
    ~PropertyPageObject() override { delete m_page.data(); }
    PropertyPageObject(const PropertyPageObject &) = delete;
    PropertyPageObject &operator=(const PropertyPageObject &) = delete;

    Status getIDsOfNames(const QStringList &names, QList<DispId> *ids) override
    {
        ids->fill(DISPID_UNKNOWN, names.size());
        return DISP_E_UNKNOWNNAME;
    }
    Status invoke(DispId, InvokeKind, const QVariantList &, QVariant *) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }
    QWidget *widget() override { return m_page; }

private:
    QPointer<CVogPropPage> m_page;
};

class PropertyPageFactory : public ClassFactory
{
public:
    Status createInstance(std::unique_ptr<ComponentObject> *object) override
    {
        if (!canCreateWidgets())
            return E_UNEXPECTED;
        *object = std::make_unique<PropertyPageObject>();
        return S_OK;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT Status DllRegisterServer()
{
    TypeLibrary library;
    const QString path = ownPath();
    if (failed(readOwnTypeLibrary(&library)) || path.isEmpty())
        return SELFREG_E_TYPELIB;
    ClassRegistry writer = ClassRegistry::user();
    if (failed(writer.registerTypeLib({library.id, library.version, library.name,
                                       library.helpString, QFileInfo(path).absolutePath(), path})))
        return SELFREG_E_TYPELIB;

    ClassRegistration control;
    control.clsid = controlClass;
    control.userTypeName = QStringLiteral("Vog Control");
    control.serverPath = path;
    control.progId = QStringLiteral("Vog.VogCtrl.1");
    control.threadingModel = QStringLiteral("Apartment");
    control.miscStatus = controlMiscStatus;
    control.toolboxBitmap = path + QStringLiteral(", 1");
    control.typeLib = library.id;
    control.typeLibVersion = library.version;

    // The page's factory is named "Vog.VogPropPage.1", but only its class is written.
    ClassRegistration page;
    page.clsid = propertyPageClass;
    page.userTypeName = QStringLiteral("Vog Property Page");
    page.serverPath = path;

    if (failed(writer.registerClass(control)) || failed(writer.registerClass(page)))
        return SELFREG_E_CLASS;
    return S_OK;
}

extern "C" Q_DECL_EXPORT Status DllUnregisterServer()
{
    TypeLibrary library;
    ClassRegistry registry = ClassRegistry::user();
    if (failed(readOwnTypeLibrary(&library)) ||
        failed(registry.unregisterTypeLib(library.id, library.version)))
        return SELFREG_E_TYPELIB;
    if (failed(registry.unregisterClass(controlClass)) ||
        failed(registry.unregisterClass(propertyPageClass)))
        return SELFREG_E_CLASS;
    return S_OK;
}

extern "C" Q_DECL_EXPORT Status DllGetClassObject(const QUuid *clsid, ClassFactory **factory)
{
    if (!factory)
        return E_POINTER;
    *factory = nullptr;
    if (!clsid)
        return E_POINTER;
    if (*clsid == controlClass)
        *factory = new ControlFactory;
    else if (*clsid == propertyPageClass)
        *factory = new PropertyPageFactory;
    else
        return CLASS_E_CLASSNOTAVAILABLE;
    return S_OK;
}

// Widgets and Qt's type registrations of this library may outlive any object:
// the library stays loaded.
extern "C" Q_DECL_EXPORT Status DllCanUnloadNow()
{
    return S_FALSE;
}
