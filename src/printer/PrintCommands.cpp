#include "printer/PrintCommands.h"

#include "model/TextCodec.h"

namespace {

QByteArray padded(qint64 value)
{
    return PadLeft(QString::number(value), 4, u'0').toLatin1();
}

QByteArray feedPair(char first, qint64 amount)
{
    QByteArray commands;
    if (amount > 2000) {
        commands += QByteArray("{U") + first + ";2000,1|}";
        amount -= 2000;
    }
    return commands + QByteArray("{U") + first + ';' + padded(amount) + ",1|}";
}

char sensorCode(int position)
{
    return position >= 0 && position <= 4 ? char('0' + position) : '0';
}

char speedCode(int position)
{
    static constexpr char codes[] = {'3', '5', '8'};
    return position >= 0 && position <= 2 ? codes[position] : '3';
}

char upToThree(int position)
{
    return position >= 0 && position <= 2 ? char('0' + position) : '3';
}

} // namespace

QString PadLeft(const QString& text, int width, QChar pad)
{
    if (text.size() >= width)
        return text.left(width);
    return QString(width - text.size(), pad) + text;
}

int printerDpi(int printDpi)
{
    return printDpi == 0 ? 203 : 305;
}

QString darknessText(int printDarkness)
{
    const int step = printDarkness >= 0 && printDarkness <= 20 ? printDarkness - 10 : 0;
    return QString::asprintf("%c%02d", step < 0 ? '-' : '+', qAbs(step));
}

FeedCommands feedCommands(int printU1U2)
{
    const qint64 n = printU1U2;
    if (n > 0)
        return {feedPair('2', n), feedPair('1', n)};
    if (n < 0)
        return {feedPair('1', -n), feedPair('2', -n)};
    return {};
}

QByteArray labelHeader(int width, int height, bool sideways, const JobSettings& settings, bool feedMode)
{
    const qint64 length = sideways ? width : height;
    const qint64 across = sideways ? height : width;
    QByteArray header = "{D" + padded(length + settings.Gap) + ',' + padded(across) + ',' + padded(length) + "|}";
    if (!feedMode)
        header += "{C|}";
    header += "{AY;" + darknessText(settings.printDarkness).toLatin1() + (settings.printRibbon != 0 ? ",0|}" : ",1|}");
    return header;
}

QByteArray issueCommand(const QString& quantity, const JobSettings& settings)
{
    const FeedCommands feed = feedCommands(settings.printU1U2);
    return feed.before + "{XS;I," + gbk::encode(PadLeft(quantity, 4, u'0')) + ','
           + (settings.ostrel == 0 ? "000" : "001") + sensorCode(settings.printSensor) + 'C'
           + speedCode(settings.printSpeed) + upToThree(settings.printRibbon) + upToThree(settings.printRotation)
           + "1|}" + feed.after;
}
