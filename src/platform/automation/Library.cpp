#include "platform/automation/Library.h"

#include <QFileInfo>
#include <QLibrary>
#include <dlfcn.h>

namespace automation {
namespace {

Status resolve(const QString &libraryPath, const char *symbol, QFunctionPointer *function)
{
    const QFileInfo info(libraryPath);
    if (!info.isFile())
        return CO_E_DLLNOTFOUND;
    QLibrary library(info.absoluteFilePath());
    if (!library.load())
        return CO_E_ERRORINDLL;
    *function = library.resolve(symbol);
    return *function ? S_OK : CO_E_ERRORINDLL;
}

template <typename Fn> Status callEntry(const QString &libraryPath, const char *symbol)
{
    QFunctionPointer function = nullptr;
    const Status status = resolve(libraryPath, symbol, &function);
    if (failed(status))
        return status;
    return reinterpret_cast<Fn>(function)();
}

} // namespace

QString modulePath(const void *address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

Status registerServer(const QString &libraryPath)
{
    return callEntry<DllRegisterServerFn>(libraryPath, "DllRegisterServer");
}

Status unregisterServer(const QString &libraryPath)
{
    return callEntry<DllUnregisterServerFn>(libraryPath, "DllUnregisterServer");
}

Status createInstance(const ClassRegistry &registry, const QUuid &clsid,
                      std::unique_ptr<ComponentObject> *object)
{
    QString path;
    Status status = registry.serverOf(clsid, &path);
    if (failed(status))
        return status;
    QFunctionPointer function = nullptr;
    status = resolve(path, "DllGetClassObject", &function);
    if (failed(status))
        return status;
    ClassFactory *rawFactory = nullptr;
    status = reinterpret_cast<DllGetClassObjectFn>(function)(&clsid, &rawFactory);
    const std::unique_ptr<ClassFactory> factory(rawFactory);
    if (failed(status))
        return status;
    if (!factory)
        return CLASS_E_CLASSNOTAVAILABLE;
    std::unique_ptr<ComponentObject> created;
    status = factory->createInstance(&created);
    if (failed(status))
        return status;
    if (!created)
        return E_FAIL;
    *object = std::move(created);
    return S_OK;
}

Status createInstance(const ClassRegistry &registry, const QString &progId,
                      std::unique_ptr<ComponentObject> *object)
{
    QUuid clsid;
    const Status status = registry.classFromProgId(progId, &clsid);
    if (failed(status))
        return status;
    return createInstance(registry, clsid, object);
}

} // namespace automation
