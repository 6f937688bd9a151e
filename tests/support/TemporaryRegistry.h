#pragma once

#include "platform/automation/Registry.h"

#include <QTemporaryDir>

namespace temporaryregistry_detail {
// Made before the registry that lives in it.
struct Folder
{
    QTemporaryDir folder;
};
} // namespace temporaryregistry_detail

// Test double: a class registry of the test's own, in a temporary folder that
// goes with it, and no machine registry behind it: empty until the test
// registers a class.
class TemporaryRegistry final : private temporaryregistry_detail::Folder,
                                public automation::ClassRegistry
{
public:
    TemporaryRegistry() : ClassRegistry(folder.filePath(QStringLiteral("ClassRegistry.ini"))) {}
};
