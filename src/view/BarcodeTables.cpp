#include "view/BarcodeTables.h"

#include "model/AnchoredBox.h"

#include <array>

namespace {

struct TypeEntry {
    const char* name; // upper case
    int symbology;
};

constexpr std::array<TypeEntry, 11> kTypes{{
    {"CODE128(WITH AUTO CODE)", symbology::Code128},
    {"CODE128(WITHOUT AUTO CODE)", symbology::Code128B},
    {"CODE93", symbology::Code93},
    {"EAN8", symbology::Ean},
    {"EAN13", symbology::Ean},
    {"EAN128", symbology::Ean128},
    {"UPC-A", symbology::UpcA},
    {"UPC-E", symbology::UpcE},
    {"CODE39(STANDARD)", symbology::Code39},
    {"CODE39(FULL ASCII)", symbology::ExtendedCode39},
    {"ITF25", symbology::Interleaved2of5},
}};

constexpr std::array<float, 15> kBarScales{0.165f, 0.315f, 0.475f, 0.635f, 0.79f,
                                           0.94f,  1.1f,   1.25f,  1.41f,  1.58f,
                                           1.73f,  1.89f,  2.04f,  2.21f,  2.37f};

} // namespace

int barSymbology(const QString& barType)
{
    const QString upper = barType.toUpper();
    for (const TypeEntry& entry : kTypes) {
        if (upper == QLatin1StringView(entry.name))
            return entry.symbology;
    }
    return symbology::Code128;
}

bool isCode39(const QString& barType)
{
    const int type = barSymbology(barType);
    return type == symbology::Code39 || type == symbology::ExtendedCode39;
}

float barScale(int barWidth)
{
    if (barWidth < 1 || barWidth > static_cast<int>(kBarScales.size()))
        return 1.0f;
    return kBarScales[static_cast<std::size_t>(barWidth - 1)];
}

float matrixScale(int barWidth)
{
    return static_cast<float>((static_cast<double>(barWidth) - 1) * 0.135 + 0.19);
}

int symbolRotation(ShapeKind kind, int direction)
{
    static constexpr std::array<int, 4> kClockwise{0, 90, 180, 270};
    static constexpr std::array<int, 4> kCounterClockwise{0, 270, 180, 90};
    const auto index = static_cast<std::size_t>(anchoredDirection(direction));
    const bool turnsClockwise = kind == ShapeKind::PrintDataMatrix || kind == ShapeKind::PrintPdf417Bar;
    return turnsClockwise ? kClockwise[index] : kCounterClockwise[index];
}
