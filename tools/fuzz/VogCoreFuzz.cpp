// libFuzzer target for the Vog dot model: dot data strings, clipboard bytes
// and any sequence of operations must keep the model within its planes.
// Built and run by scripts/fuzz-vog-core (clang only).
#include "vog/core/DotModel.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkFields(const vog::DotModel &m)
{
    check(m.SizeX() >= 1 && m.SizeX() <= 128 && m.SizeY() >= 1 && m.SizeY() <= 128);
    for (int c : {m.SelPosX1(), m.SelPosY1(), m.SelPosX2(), m.SelPosY2()})
        check(c >= 0 && c <= 127);
    check(m.selState() >= vog::SelNone && m.selState() <= vog::SelFloating);
}

void checkPlanes(const vog::DotModel &m)
{
    for (std::uint8_t c : m.mainPlane())
        check(c <= 1);
    for (std::uint8_t c : m.overlayPlane())
        check(c <= 2);
}

void step(vog::DotModel &m, FuzzedDataProvider &in)
{
    auto value = [&] { return in.ConsumeIntegralInRange<int>(-40000, 40000); };
    switch (in.ConsumeIntegralInRange<int>(0, 27)) {
    case 0:
        m.putSizeX(value());
        break;
    case 1:
        m.putSizeY(value());
        break;
    case 2:
        m.putSelSet(in.ConsumeBool());
        break;
    case 3:
        m.putSelPosX1(value());
        break;
    case 4:
        m.putSelPosY1(value());
        break;
    case 5:
        m.putSelPosX2(value());
        break;
    case 6:
        m.putSelPosY2(value());
        break;
    case 7:
        m.setCorners(value(), value(), value(), value());
        break;
    case 8:
        m.setSelState(static_cast<vog::SelState>(in.ConsumeIntegralInRange<int>(0, 4)));
        break;
    case 9:
        m.LiftSelection(in.ConsumeBool(), in.ConsumeBool());
        break;
    case 10:
        m.DropSelection();
        break;
    case 11:
        m.PaintSelection(static_cast<vog::PaintMode>(in.ConsumeIntegralInRange<int>(0, 2)));
        break;
    case 12:
        m.MirrorSelection(in.ConsumeBool());
        break;
    case 13:
        m.RotateSelection(static_cast<vog::Turn>(in.ConsumeIntegralInRange<int>(0, 2)));
        break;
    case 14:
        m.TightBound();
        break;
    case 15:
        m.Escape();
        break;
    case 16:
        m.SaveUndo();
        break;
    case 17:
        m.Undo();
        break;
    case 18:
        m.Redo();
        break;
    case 19:
        m.ResetUndo();
        break;
    case 20: {
        // What a copy offers, a paste must take back unchanged.
        const auto bytes = m.CopyBytes();
        if (bytes) {
            check(m.PasteBytes(*bytes));
            check(*m.CopyBytes() == *bytes);
        }
        break;
    }
    case 21:
        m.SetData(m.GetData());
        break;
    case 22:
        m.SetOvl(m.GetOvl());
        break;
    case 23:
        m.SetData(in.ConsumeRandomLengthString(64));
        break;
    case 24: {
        const int w = in.ConsumeIntegralInRange<int>(-2, 300);
        const int h = in.ConsumeIntegralInRange<int>(-2, 300);
        const unsigned seed = in.ConsumeIntegral<unsigned>();
        m.PlaceText(w, h, [&](int x, int y) { return ((x * 31 + y * 17) ^ seed) % 3 == 0; });
        break;
    }
    case 25: {
        const int w = in.ConsumeIntegralInRange<int>(-2, 300);
        const int h = in.ConsumeIntegralInRange<int>(-2, 300);
        m.PlacePicture(w, h, [&](int x, int y) { return (x ^ y) & 1; });
        break;
    }
    case 26:
        m.LoadFields(value(), value(), in.ConsumeBool(), value(), value(), value(), value());
        break;
    default:
        m.Reset();
        break;
    }
    checkFields(m);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static vog::DotModel model; // the history is heap-held; reset per input
    FuzzedDataProvider in(data, size);
    vog::DotModel &m = model;
    m.LoadFields(32, 32, false, 0, 0, 0, 0);
    m.Reset();

    m.SetData(in.ConsumeRandomLengthString(2000));
    m.SetOvl(in.ConsumeRandomLengthString(2000));
    m.PasteBytes(in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<int>(0, 2100)));
    checkFields(m);
    while (in.remaining_bytes() > 0)
        step(m, in);
    checkPlanes(m);
    return 0;
}
