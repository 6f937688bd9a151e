#include "vog/core/DotModel.h"

#include "vog/core/DotData.h"

#include <algorithm>

// The "VogData" clipboard layout: width and height as 16-bit little-endian
// integers, then the bands as raw column bytes. No header or checksum.
namespace vog {

std::optional<std::vector<std::uint8_t>> DotModel::CopyBytes()
{
    if (!m_state.selSet)
        return std::nullopt;
    const Rect sel = selection();
    const int right = std::min(sel.right, m_state.sizeX - 1);
    const int bottom = std::min(sel.bottom, m_state.sizeY - 1);
    const int w = right - std::max(sel.left, 0) + 1;
    const int h = bottom - std::max(sel.top, 0) + 1;
    // A selection left beyond a shrunken graphic has nothing to copy; data
    // with a zero or negative size could never be pasted.
    if (w < 1 || h < 1)
        return std::nullopt;
    if (m_state.selState != SelFloating) {
        LiftSelection(false, false);
        m_state.selState = SelFloating;
    }
    const int bands = dotdata::bandsFor(h);
    std::vector<std::uint8_t> bytes(4 + static_cast<std::size_t>(bands) * w);
    bytes[0] = static_cast<std::uint8_t>(w & 0xff);
    bytes[1] = static_cast<std::uint8_t>(w >> 8);
    bytes[2] = static_cast<std::uint8_t>(h & 0xff);
    bytes[3] = static_cast<std::uint8_t>(h >> 8);
    for (int i = 0; i < bands; ++i)
        dotdata::packBand(m_state.overlay, i, w,
                          bytes.data() + 4 + static_cast<std::size_t>(i) * w);
    return bytes;
}

bool DotModel::PasteBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 4)
        return false;
    const auto w = static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
    const auto h = static_cast<std::int16_t>(bytes[2] | bytes[3] << 8);
    if (w < 1 || w > kPlaneSide || h < 1 || h > kPlaneSide)
        return false;
    const int bands = dotdata::bandsFor(h);
    // Short data would be read past its end: refuse it like unreadable data.
    if (bytes.size() < 4 + static_cast<std::size_t>(bands) * w)
        return false;
    // The whole plane is replaced: cells beyond the pasted bands become white.
    m_state.overlay.fill(White);
    for (int i = 0; i < bands; ++i)
        dotdata::unpackBand(m_state.overlay, i, w,
                            bytes.data() + 4 + static_cast<std::size_t>(i) * w);
    m_state.selPosX1 = 0;
    m_state.selPosY1 = 0;
    m_state.selPosX2 = static_cast<std::int16_t>(std::min<int>(w, m_state.sizeX) - 1);
    m_state.selPosY2 = static_cast<std::int16_t>(std::min<int>(h, m_state.sizeY) - 1);
    m_state.selSet = true;
    m_state.selState = SelFloating;
    return true;
}

} // namespace vog
