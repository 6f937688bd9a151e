#include "vog/VogCodes.h"
#include "vog/VogCtl.h"
#include "vog/VogMembers.h"
#include "vog/VogWidget.h"

#include <QHash>
#include <algorithm>

using namespace automation;
namespace members = vog::members;

namespace {

// The format version comes first, then the exchanged members in their order.
constexpr const char *versionKey = "_Version";
constexpr int formatVersion = 0x00010000; // 1.0

} // namespace

QFont CVogCtrl::defaultFont()
{
    return QFont(QStringLiteral("Arial"), 8);
}

Status CVogCtrl::initNew()
{
    PropertyBag defaults;
    return load(defaults);
}

Status CVogCtrl::load(const PropertyBag &bag)
{
    if (!m_widget)
        return E_UNEXPECTED;
    QHash<DispId, int> values;
    for (const members::Entry &entry : members::exchanged())
        values.insert(entry.member.id, entry.defaultValue);
    QFont font = defaultFont();
    for (const auto &[name, value] : bag) {
        for (const members::Entry &entry : members::exchanged()) {
            if (name != entry.member.name)
                continue;
            if (entry.member.id == members::Font) {
                if (value.typeId() == QMetaType::QFont)
                    font = value.value<QFont>();
                else
                    font.fromString(value.toString());
            } else {
                values[entry.member.id] =
                    value.typeId() == QMetaType::Bool ? value.toBool() : value.toInt();
            }
        }
    }
    using namespace vog::members;
    m_model.LoadFields(values[SizeX], values[SizeY], values[SelSet] != 0, values[SelPosX1],
                       values[SelPosY1], values[SelPosX2], values[SelPosY2]);
    m_widget->loadDisplay(values[DotSize], values[DotGap], values[FromX], values[FromY],
                          values[Mode] != 0, vog::codes::pen(values[DrawMode]));
    m_textAlignment = std::clamp(values[TextAlignment], 0, 2);
    m_model.putUndoDepth(values[UndoDepth]); // the history has room for 8..256 only
    m_font = font;
    m_widget->setFont(m_font);
    afterExchange();
    return S_OK;
}

Status CVogCtrl::save(PropertyBag *bag)
{
    if (!m_widget)
        return E_UNEXPECTED;
    bag->clear();
    bag->append({QLatin1String(versionKey), formatVersion});
    for (const members::Entry &entry : members::exchanged()) {
        QVariant value;
        getProperty(entry.member.id, &value);
        // The stock font is kept as its description.
        if (value.typeId() == QMetaType::QFont)
            value = value.value<QFont>().toString();
        bag->append({entry.member.name, value});
    }
    afterExchange();
    return S_OK;
}

void CVogCtrl::afterExchange()
{
    m_model.Reset();
    m_widget->resetInteraction();
    m_widget->requestRepaint();
}
