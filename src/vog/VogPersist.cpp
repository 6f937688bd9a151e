#include "vog/VogCtl.h"

#include "vog/VogWidget.h"

#include <algorithm>

using namespace automation;

namespace {

// Persistent properties in exchange order, after the format version.
constexpr const char *versionKey = "_Version";
constexpr int formatVersion = 0x00010000; // 1.0
constexpr const char *persistent[] = {"SizeX",    "SizeY",  "DotSize",  "DotGap",       "FromX",
                                      "FromY",    "SelSet", "SelPosX1", "SelPosY1",     "SelPosX2",
                                      "SelPosY2", "Mode",   "DrawMode", "TextAlignment"};
constexpr int persistentDefaults[] = {32, 32, 16, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

QVariant int16(int value)
{
    return QVariant::fromValue<qint16>(static_cast<qint16>(value));
}

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
    int values[std::size(persistent)];
    std::copy(std::begin(persistentDefaults), std::end(persistentDefaults), values);
    QFont font = defaultFont();
    for (const auto &[name, value] : bag) {
        for (std::size_t i = 0; i < std::size(persistent); ++i) {
            if (name == QLatin1String(persistent[i]))
                values[i] = value.typeId() == QMetaType::Bool ? value.toBool() : value.toInt();
        }
        if (name == QLatin1String("Font")) {
            if (value.typeId() == QMetaType::QFont)
                font = value.value<QFont>();
            else
                font.fromString(value.toString());
        }
    }
    const auto &[sizeX, sizeY, dotSize, dotGap, fromX, fromY, selSet, x1, y1, x2, y2, mode,
                 drawMode, textAlignment] = values;
    m_model.LoadFields(sizeX, sizeY, selSet != 0, x1, y1, x2, y2);
    m_widget->loadDisplay(dotSize, dotGap, fromX, fromY, mode != 0, drawMode);
    m_textAlignment = std::clamp(textAlignment, 0, 2);
    m_font = font;
    m_widget->setFont(m_font);
    afterExchange();
    return S_OK;
}

Status CVogCtrl::save(PropertyBag *bag)
{
    if (!m_widget)
        return E_UNEXPECTED;
    const VogWidget &w = *m_widget;
    const int values[] = {m_model.SizeX(),    m_model.SizeY(),    w.dotSize(),
                          w.dotGap(),         w.fromX(),          w.fromY(),
                          m_model.SelSet(),   m_model.SelPosX1(), m_model.SelPosY1(),
                          m_model.SelPosX2(), m_model.SelPosY2(), w.mode(),
                          w.drawMode(),       m_textAlignment};
    bag->clear();
    bag->append({QLatin1String(versionKey), formatVersion});
    for (std::size_t i = 0; i < std::size(persistent); ++i) {
        const bool isBool = i == 6 || i == 11; // SelSet, Mode
        bag->append(
            {QLatin1String(persistent[i]), isBool ? QVariant(values[i] != 0) : int16(values[i])});
    }
    bag->append({QStringLiteral("Font"), m_font.toString()});
    afterExchange();
    return S_OK;
}

void CVogCtrl::afterExchange()
{
    m_model.Reset();
    m_widget->resetInteraction();
    m_widget->requestRepaint();
}
