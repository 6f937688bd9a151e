#include "VogHost.h"

#include "Library.h"
#include "TypeLibrary.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <gtest/gtest.h>

using namespace automation;

namespace {

QString white32()
{
    return QStringLiteral("032,004") + QStringLiteral(",000").repeated(128);
}

struct PutCase
{
    const char *name;
    QVariant value;
    int expected;
};

TEST(VogDispatch, PutsLimitTheirValues)
{
    VogHost host;
    Object vog = host.create();
    const PutCase cases[] = {
        {"SizeX", 200, 128},      {"SizeX", 0, 1},
        {"SizeY", -4, 1},         {"DotSize", 51, 50},
        {"DotSize", 0, 1},        {"DotGap", 11, 10},
        {"DotGap", 0, 1},         {"FromX", 129, 128},
        {"FromY", -1, 0},         {"DrawMode", 3, 2},
        {"TextAlignment", -1, 0}, {"TextAlignment", 7, 2},
        {"SizeX", 32, 32},        {"SelPosX1", -3, 0},
        {"SelPosX2", 40, 31},     {"SizeY", QStringLiteral("16"), 16},
        {"SelPosY2", 2.5, 2},     {"SelPosY1", 3.5, 4},
        {"SelPosY2", 99, 15},
    };
    for (const PutCase &c : cases) {
        const QString name = QLatin1String(c.name);
        EXPECT_EQ(vog.put(name, c.value), S_OK) << c.name;
        EXPECT_EQ(vog.get(name).toInt(), c.expected)
            << c.name << " " << c.value.toString().toStdString();
    }
}

TEST(VogDispatch, RefusesWhatCannotBeCoerced)
{
    VogHost host;
    Object vog = host.create();
    EXPECT_EQ(vog.put(QStringLiteral("SizeX"), 40000), DISP_E_OVERFLOW);
    EXPECT_EQ(vog.put(QStringLiteral("SizeX"), QStringLiteral("wide")), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(vog.get(QStringLiteral("SizeX")).toInt(), 32);
    EXPECT_EQ(vog.put(QStringLiteral("Font"), 12), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(vog.put(QStringLiteral("Colour"), 1), DISP_E_UNKNOWNNAME);
}

TEST(VogDispatch, MouseXPutIsIgnored)
{
    VogHost host;
    Object vog = host.create();
    move(vog, 37, 12);
    EXPECT_EQ(vog.get(QStringLiteral("MouseX")).toInt(), 37);
    EXPECT_EQ(vog.put(QStringLiteral("MouseX"), 5), S_OK);
    EXPECT_EQ(vog.get(QStringLiteral("MouseX")).toInt(), 37);
}

TEST(VogDispatch, DefaultsOfANewControl)
{
    VogHost host;
    Object vog = host.create();
    const std::pair<const char *, QVariant> defaults[] = {
        {"SizeX", 32}, {"SizeY", 32},     {"DotSize", 16}, {"DotGap", 4},   {"FromX", 0},
        {"FromY", 0},  {"SelSet", false}, {"Mode", false}, {"DrawMode", 0}, {"TextAlignment", 0},
    };
    for (const auto &[name, value] : defaults)
        EXPECT_EQ(vog.get(QLatin1String(name)), value) << name;
    EXPECT_EQ(vog.call(QStringLiteral("GetData")).toString(), white32());
}

// Every member of _DVog in the type library answers by name with its identifier,
// and takes exactly the arguments of the declared types.
TEST(VogDispatch, MembersMatchTheTypeLibrary)
{
    QFile file(QStringLiteral(VOG_TYPELIB));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TypeLibrary library;
    ASSERT_EQ(readTypeLibrary(file.readAll(), &library), S_OK);
    EXPECT_EQ(library.name, QStringLiteral("VogLib"));
    const InterfaceInfo *dispatch = library.findInterface(QStringLiteral("_DVog"));
    ASSERT_NE(dispatch, nullptr);
    ASSERT_EQ(dispatch->members.size(), 35);

    VogHost host;
    Object vog = host.create();
    ComponentObject *object = vog.get();
    for (const Member &member : dispatch->members) {
        const std::string name = member.name.toStdString();
        QList<DispId> ids;
        QStringList names{member.name.toUpper()};
        for (const Param &param : member.params)
            names.append(param.name);
        ASSERT_EQ(object->getIDsOfNames(names, &ids), S_OK) << name;
        EXPECT_EQ(ids.first(), member.id) << name;

        if (member.isProperty) {
            QVariant value;
            ASSERT_EQ(object->invoke(member.id, DISPATCH_PROPERTYGET, {}, &value), S_OK) << name;
            QVariant same;
            EXPECT_EQ(coerce(value, member.type, &same), S_OK) << name;
            EXPECT_EQ(same.typeId(), value.typeId()) << name;
            EXPECT_EQ(object->invoke(member.id, DISPATCH_PROPERTYPUT, {}, nullptr),
                      DISP_E_BADPARAMCOUNT)
                << name;
            EXPECT_EQ(object->invoke(member.id, DISPATCH_PROPERTYPUT, {value}, nullptr), S_OK)
                << name;
            continue;
        }
        // One argument too many is refused before anything runs.
        QVariantList tooMany(member.params.size() + 1, QVariant(0));
        EXPECT_EQ(object->invoke(member.id, DISPATCH_METHOD, tooMany, nullptr),
                  DISP_E_BADPARAMCOUNT)
            << name;
        EXPECT_EQ(object->invoke(member.id, DISPATCH_PROPERTYPUT, {0}, nullptr),
                  DISP_E_MEMBERNOTFOUND)
            << name;
        for (qsizetype i = 0; i < member.params.size(); ++i) {
            // A value no declared type but text takes: a text argument accepts it.
            QVariantList args(member.params.size(), QVariant(0));
            args[i] = QVariant::fromValue(QImage());
            if (member.params[i].type != VarType::Picture) {
                EXPECT_EQ(object->invoke(member.id, DISPATCH_METHOD, args, nullptr),
                          DISP_E_TYPEMISMATCH)
                    << name;
            }
        }
    }

    const InterfaceInfo *events = library.findInterface(QStringLiteral("_DVogEvents"));
    ASSERT_NE(events, nullptr);
    EXPECT_TRUE(events->isEventSource);
    ASSERT_EQ(events->members.size(), 1);
    EXPECT_EQ(events->members[0].name, QStringLiteral("MouseBtnUp"));
    EXPECT_EQ(events->members[0].id, 1);
}

TEST(VogDispatch, PersistenceKeepsPropertiesButNeverDots)
{
    VogHost host;
    Object vog = host.create();
    ASSERT_TRUE(vog.call(QStringLiteral("SetData"), {QStringLiteral("002,001,255,001")}).toBool());
    vog.put(QStringLiteral("DotSize"), 7);
    vog.put(QStringLiteral("SelPosX2"), 1);
    vog.put(QStringLiteral("SelSet"), true);
    vog.put(QStringLiteral("TextAlignment"), 2);
    PropertyBag bag;
    ASSERT_EQ(vog.get()->save(&bag), S_OK);

    QStringList names;
    for (const auto &[name, value] : bag)
        names.append(name);
    EXPECT_EQ(
        names,
        (QStringList{QStringLiteral("_Version"), QStringLiteral("SizeX"), QStringLiteral("SizeY"),
                     QStringLiteral("DotSize"), QStringLiteral("DotGap"), QStringLiteral("FromX"),
                     QStringLiteral("FromY"), QStringLiteral("SelSet"), QStringLiteral("SelPosX1"),
                     QStringLiteral("SelPosY1"), QStringLiteral("SelPosX2"),
                     QStringLiteral("SelPosY2"), QStringLiteral("Mode"), QStringLiteral("DrawMode"),
                     QStringLiteral("TextAlignment"), QStringLiteral("Font")}));
    // Saving is an exchange too: the plane is white afterwards.
    EXPECT_EQ(vog.call(QStringLiteral("GetData")).toString(), QStringLiteral("002,001,000,000"));

    Object other = host.create();
    ASSERT_TRUE(
        other.call(QStringLiteral("SetData"), {QStringLiteral("002,001,255,255")}).toBool());
    ASSERT_EQ(other.get()->load(bag), S_OK);
    EXPECT_EQ(other.call(QStringLiteral("GetData")).toString(), QStringLiteral("002,001,000,000"));
    EXPECT_EQ(other.get(QStringLiteral("DotSize")).toInt(), 7);
    EXPECT_EQ(other.get(QStringLiteral("SizeY")).toInt(), 8);
    EXPECT_EQ(other.get(QStringLiteral("SelSet")).toBool(), true);
    EXPECT_EQ(other.get(QStringLiteral("SelPosX2")).toInt(), 1);
    EXPECT_EQ(other.get(QStringLiteral("TextAlignment")).toInt(), 2);
}

// Stored values outside the setters' ranges would index outside the planes or
// divide by a zero pitch: a load keeps them in range.
TEST(VogDispatch, LoadKeepsStoredValuesWithinThePlanes)
{
    VogHost host;
    Object vog = host.create();
    const PropertyBag bag{{QStringLiteral("SizeX"), 500},    {QStringLiteral("SizeY"), -2},
                          {QStringLiteral("DotSize"), 0},    {QStringLiteral("DotGap"), 0},
                          {QStringLiteral("SelPosX2"), 900}, {QStringLiteral("FromX"), -7}};
    ASSERT_EQ(vog.get()->load(bag), S_OK);
    EXPECT_EQ(vog.get(QStringLiteral("SizeX")).toInt(), 128);
    EXPECT_EQ(vog.get(QStringLiteral("SizeY")).toInt(), 1);
    EXPECT_EQ(vog.get(QStringLiteral("DotSize")).toInt(), 1);
    EXPECT_EQ(vog.get(QStringLiteral("DotGap")).toInt(), 1);
    EXPECT_EQ(vog.get(QStringLiteral("SelPosX2")).toInt(), 127);
    EXPECT_EQ(vog.get(QStringLiteral("FromX")).toInt(), 0);
    grabPaintArea(vog); // paints without fault
}

TEST(VogRegistration, WritesAndRemovesExactlyItsEntries)
{
    VogHost host; // registered
    const ClassRegistry registry = host.registry();
    const QString control = QStringLiteral("CLSID/{E1E72B77-BEC3-11D3-8485-0080C890AEF9}/");
    const QString page = QStringLiteral("CLSID/{E1E72B94-BEC3-11D3-8485-0080C890AEF9}/");
    const QString lib = QStringLiteral("TypeLib/{E1E72B91-BEC3-11D3-8485-0080C890AEF9}/1.0/");
    const QString path = QFileInfo(libraryPath()).absoluteFilePath();
    const std::pair<QString, QString> expected[] = {
        {control + QStringLiteral("InprocServer32"), path},
        {control + QStringLiteral("MiscStatus"), QStringLiteral("131473")},
        {control + QStringLiteral("Name"), QStringLiteral("Vog Control")},
        {control + QStringLiteral("ProgID"), QStringLiteral("Vog.VogCtrl.1")},
        {control + QStringLiteral("ThreadingModel"), QStringLiteral("Apartment")},
        {control + QStringLiteral("ToolboxBitmap32"), path + QStringLiteral(", 1")},
        {control + QStringLiteral("TypeLib"),
         QStringLiteral("{E1E72B91-BEC3-11D3-8485-0080C890AEF9}")},
        {control + QStringLiteral("Version"), QStringLiteral("1.0")},
        {page + QStringLiteral("InprocServer32"), path},
        {page + QStringLiteral("Name"), QStringLiteral("Vog Property Page")},
        {QStringLiteral("ProgID/Vog.VogCtrl.1/CLSID"),
         QStringLiteral("{E1E72B77-BEC3-11D3-8485-0080C890AEF9}")},
        {QStringLiteral("ProgID/Vog.VogCtrl.1/Name"), QStringLiteral("Vog Control")},
        {lib + QStringLiteral("HelpDir"), QFileInfo(path).absolutePath()},
        {lib + QStringLiteral("HelpString"), QStringLiteral("Vog ActiveX Control module")},
        {lib + QStringLiteral("Name"), QStringLiteral("VogLib")},
        {lib + QStringLiteral("Path"), path},
    };
    QStringList keys;
    for (const auto &[key, value] : expected) {
        keys.append(key);
        EXPECT_EQ(registry.value(key), value) << key.toStdString();
    }
    keys.sort();
    QStringList written = registry.keys();
    written.sort();
    EXPECT_EQ(written, keys);

    EXPECT_EQ(unregisterServer(libraryPath()), S_OK);
    EXPECT_TRUE(registry.keys().isEmpty());
    EXPECT_EQ(unregisterServer(libraryPath()), SELFREG_E_TYPELIB);
    Object vog;
    EXPECT_EQ(vog.create(QStringLiteral("Vog.VogCtrl.1"), registry), CO_E_CLASSSTRING);
}

TEST(VogRegistration, UnwritableRegistryFailsWithTheTypeLibraryCode)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("FENDREL_CLASS_REGISTRY",
            dir.filePath(QStringLiteral("file/registry.ini")).toLocal8Bit());
    EXPECT_EQ(registerServer(libraryPath()), SELFREG_E_TYPELIB);
    qunsetenv("FENDREL_CLASS_REGISTRY");
}

TEST(VogRegistration, MissingLibraryGivesAStatus)
{
    VogHost host;
    QTemporaryDir dir;
    const QString moved = dir.filePath(QStringLiteral("libvog.so"));
    ASSERT_TRUE(QFile::copy(libraryPath(), moved));
    qputenv("FENDREL_CLASS_REGISTRY", host.registryPath().toLocal8Bit());
    ASSERT_EQ(registerServer(moved), S_OK);
    ASSERT_TRUE(QFile::remove(moved));
    Object vog;
    EXPECT_EQ(vog.create(QStringLiteral("Vog.VogCtrl.1"), host.registry()), CO_E_DLLNOTFOUND);
    EXPECT_TRUE(vog.isNull());
}

} // namespace
