#include "job/CutStream.h"

#include "cutter/CutText.h"
#include "model/Convert.h"
#include "model/MessageError.h"
#include "model/TextCodec.h"

#include <algorithm>

namespace {

// Fixed distance, tenths of a millimetre, from the cutter's origin to the edge of the
// centred working area.
constexpr int kOriginDistance = 105;

constexpr int kSlowestCut = 80;
constexpr int kFastestCut = 200;

// The window's speed list and the codes the cutter expects for its entries; away from the
// list the cutting speed code is 210 minus the value.
struct SpeedCode {
    int value;
    int code;
};
constexpr SpeedCode kSpeedCodes[] = {
    {80, 130}, {90, 110}, {100, 100}, {110, 90}, {120, 80}, {130, 70}, {140, 65}, {150, 60},
};

const SpeedCode* listedSpeed(int value)
{
    const auto found = std::find_if(std::begin(kSpeedCodes), std::end(kSpeedCodes),
                                    [value](const SpeedCode& entry) { return entry.value == value; });
    return found == std::end(kSpeedCodes) ? nullptr : found;
}

// The distance from one label to the next as the paper runs, in millimetres.
double labelPitch(const JobSettings& settings, const LabelSettings& label)
{
    return (static_cast<double>(label.Height) + settings.Gap) * 0.1;
}

} // namespace

CutContext cutContextFrom(const JobControls& controls, const JobSettings& settings,
                          const LabelSettings& label)
{
    CutContext context;
    context.kx = CutContext::pulseFactor(strToFloat(controls.cmbMcX));
    context.ky = CutContext::pulseFactor(strToFloat(controls.cmbMcY));
    // Across the cutter lies the label's width as the paper runs, which is its height on
    // screen when the design is shown turned.
    const long long across = label.Rotation != 0 ? label.Height : label.Width;
    const long long centring = (settings.cutMaxWidth - across) / 2;
    context.offsetX = truncToInt(static_cast<long double>(tenthsOfMillimetre(controls.txtCutLeftMargin))
                                 + centring + kOriginDistance);
    context.offsetY = tenthsOfMillimetre(controls.txtCutTopMargin);
    context.commandMode = controls.chbCmd;
    context.rotated = label.Rotation != 0;
    context.labelWidth = label.Width;
    return context;
}

QString cuttingSpeedCommand(int value)
{
    const int held = std::clamp(value, kSlowestCut, kFastestCut);
    const SpeedCode* listed = listedSpeed(held);
    return QStringLiteral(" C%1").arg(listed ? listed->code : 210 - held);
}

QString travelSpeedCommand(int value)
{
    const SpeedCode* listed = listedSpeed(value);
    return listed ? QStringLiteral(" S%1").arg(listed->code) : QString();
}

QString cutStreamHeader(const JobControls& controls, CutJobMode mode, const JobSettings& settings,
                        const LabelSettings& label)
{
    QString header = controls.cmbCutStartChar;
    header += QStringLiteral(" Q") + controls.cmbMcY.trimmed() + u',' + controls.cmbMcX.trimmed();
    if (mode == CutJobMode::CutterFeed) {
        header += QString::asprintf(" Y%.2f,50,0,%d ", labelPitch(settings, label),
                                    controls.chbCutFeedBlack ? 1 : 0);
    }
    if (controls.chbSendBeforeCut)
        header += QStringLiteral(" N");
    if (controls.rbGoLeft)
        header += QStringLiteral(" H1");
    if (controls.rbGoUp)
        header += QStringLiteral(" H2");
    if (controls.rbGoRight)
        header += QStringLiteral(" H3");
    if (controls.rbGoDown)
        header += QStringLiteral(" H4");
    if (controls.chbCutSpeed)
        header += cuttingSpeedCommand(strToInt(controls.cmbCutSpeed));
    if (controls.chbNullSpeed)
        header += travelSpeedCommand(strToInt(controls.cmbNullSpeed));
    if (controls.chbBlack)
        header += QStringLiteral(" F200");
    return header;
}

QString cutStreamTrailer(const JobControls& controls, CutJobMode mode)
{
    QString trailer;
    if (controls.chbGoInit)
        trailer += QStringLiteral(" H7");
    // The carriage move is optional: a text that is no whole number moves nothing. What
    // the cutter receives is the number itself, so "$A" or "+5" never reach it as typed.
    if (const int move = strToIntDef(controls.txtMoveAfterCut, 0); move != 0)
        trailer += QStringLiteral(" X0,%1").arg(move);
    if (mode == CutJobMode::CutterFeed)
        trailer += QStringLiteral(" W") + controls.txtQuantity.trimmed();
    if (!controls.chbSendBeforeCut)
        trailer += QStringLiteral(" N");
    trailer += u' ' + controls.cmbCutEndChar;
    return trailer;
}

QByteArray cutterFeedCommand(const JobControls& controls, const JobSettings& settings,
                             const LabelSettings& label)
{
    return gbk::encode(QString::asprintf("# Y%.2f,50,0,%d W", labelPitch(settings, label),
                                         controls.chbCutFeedBlack ? 1 : 0)
                       + controls.txtQuantity + QStringLiteral(" @"));
}

std::optional<CutStream> buildCutStream(CutJobMode mode, const CutJobInputs& inputs)
{
    const CutContext context = cutContextFrom(inputs.controls, inputs.settings, inputs.label);
    inputs.settings.cutPort = inputs.controls.cmbCutPort;

    QString body;
    for (const Tshape& shape : inputs.objects) {
        if (!shape.ifPrint)
            continue;
        const CutText piece = CutObjectText(shape, context);
        if (!piece.ok())
            throw MessageError(piece.error);
        body += piece.text;
    }
    if (body.isEmpty())
        return std::nullopt;

    CutStream stream;
    stream.header = gbk::encode(cutStreamHeader(inputs.controls, mode, inputs.settings, inputs.label));
    stream.body = gbk::encode(body);
    stream.trailer = gbk::encode(cutStreamTrailer(inputs.controls, mode));
    return stream;
}
