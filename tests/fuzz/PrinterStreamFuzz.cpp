// A printer stream read back as the output preview reads it (whole, its first label) and as
// the virtual machine takes it from its port (in pieces drawn from the stream's own bytes),
// at both of the printer's resolutions: whole or in pieces, the labels print the same.

#include "FuzzTarget.h"

#include "printer/PrinterStreamReader.h"

#include <QRandomGenerator>

#include <cstring>

namespace {

// Beyond this, an unfinished command is dropped as noise before its end arrives in pieces,
// while the whole stream still holds the end: the two readings may then rightly differ.
constexpr std::size_t kLongestCompared = 60 * 1024;

QList<PrintedLabel> readInPieces(const QByteArray& stream, int dpi, quint32 seed)
{
    QRandomGenerator pieces(seed);
    PrinterStreamReader reader(dpi);
    QList<PrintedLabel> labels;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype piece = 1 + pieces.bounded(64);
        labels += reader.read(stream.mid(at, piece));
        at += piece;
    }
    if (std::optional<PrintedLabel> rest = reader.finish())
        labels.append(std::move(*rest));
    return labels;
}

QList<PrintedLabel> readWhole(const QByteArray& stream, int dpi)
{
    PrinterStreamReader reader(dpi);
    QList<PrintedLabel> labels = reader.read(stream);
    if (std::optional<PrintedLabel> rest = reader.finish())
        labels.append(std::move(*rest));
    return labels;
}

// Mono pictures compared row by row: QImage's own comparison goes dot by dot, which takes
// seconds for a large label under the sanitizers.
bool sameDots(const QImage& a, const QImage& b)
{
    if (a.cacheKey() == b.cacheKey())
        return true;
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    const qsizetype wholeBytes = a.width() / 8;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), std::size_t(wholeBytes)) != 0)
            return false;
        for (int x = int(wholeBytes * 8); x < a.width(); ++x) {
            if (a.pixelIndex(x, y) != b.pixelIndex(x, y))
                return false;
        }
    }
    return true;
}

QStringList settingsOf(const PrintedLabel& label)
{
    QStringList texts;
    for (const PrinterSetting& setting : label.settings)
        texts.append(QString::fromLatin1(setting.command) + u'\t' + setting.meaning);
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray stream = fuzzing::bytesOf(data, size);
    const int dpi = size % 2 ? 305 : 203;
    const PrintedLabel first = readLabelJob(stream, dpi == 203 ? 305 : 203);
    fuzzing::expect(first.copies > 0 || !first.problems.isEmpty(), "a label that is not printed says why");
    fuzzing::expect(first.dots.isNull() || first.dots.format() == QImage::Format_Mono,
                    "the label's dots are one bit each");
    // What a setting asks for is listed one a line for the operator.
    for (const PrinterSetting& setting : first.settings) {
        for (const QChar c : setting.meaning)
            fuzzing::expect(c >= u' ', "a setting is told in readable text", setting.meaning);
    }
    for (const StreamProblem& problem : first.problems)
        fuzzing::expect(problem.offset >= 0 && problem.offset <= stream.size(), "a problem lies within the stream");

    if (size > kLongestCompared)
        return 0;
    const QList<PrintedLabel> whole = readWhole(stream, dpi);
    // Once a label has dots, a later one without comes from the limit on what one read hands
    // over; read in small pieces, every label would be drawn, hundreds of the largest kind.
    for (qsizetype i = 1; i < whole.size(); ++i) {
        if (whole[i].dots.isNull() && !whole[i - 1].dots.isNull()) {
            fuzzing::expect(!whole[i].problems.isEmpty(), "a label left undrawn says why");
            return 0;
        }
    }
    const QList<PrintedLabel> pieces = readInPieces(stream, dpi, quint32(qHash(stream)));
    fuzzing::expect(whole.size() == pieces.size(), "the stream in pieces issues as many labels",
                    QStringLiteral("%1 whole, %2 in pieces").arg(whole.size()).arg(pieces.size()));
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const QString which = QStringLiteral("label %1").arg(i + 1);
        fuzzing::expect(whole[i].copies == pieces[i].copies, "the stream in pieces prints as many copies", which);
        fuzzing::expect(sameDots(whole[i].dots, pieces[i].dots), "the stream in pieces prints the same dots", which);
        fuzzing::expect(settingsOf(whole[i]) == settingsOf(pieces[i]), "the stream in pieces sets the printer up alike",
                        which);
        // Noise is reported in as many parts as it arrived in; that some came is the same.
        fuzzing::expect(whole[i].problems.isEmpty() == pieces[i].problems.isEmpty(),
                        "the stream in pieces has the same faults", which);
    }
    return 0;
}
