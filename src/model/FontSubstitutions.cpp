#include "model/FontSubstitutions.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace {

struct Substitution {
    const char* face;
    QStringList candidates; // installed families, best first
};

} // namespace

void installFontSubstitutions()
{
    const QStringList chinese{QStringLiteral("WenQuanYi Zen Hei"),
                              QStringLiteral("WenQuanYi Zen Hei Sharp"),
                              QStringLiteral("Noto Sans CJK SC"), QStringLiteral("AR PL UMing CN")};
    const QStringList chineseMono{QStringLiteral("WenQuanYi Zen Hei Mono")};
    const QStringList latin{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    const std::array<Substitution, 10> table{{
        {"宋体", chinese},
        {"SimSun", chinese},
        {"新宋体", chineseMono + chinese},
        {"NSimSun", chineseMono + chinese},
        {"黑体", chinese},
        {"SimHei", chinese},
        {"楷体", chinese},
        {"仿宋", chinese},
        {"微软雅黑", chinese},
        {"MS Sans Serif", latin + chinese},
    }};
    const QStringList installed = QFontDatabase::families();
    for (const Substitution& entry : table) {
        QStringList available;
        for (const QString& family : entry.candidates) {
            if (installed.contains(family, Qt::CaseInsensitive))
                available << family;
        }
        if (!available.isEmpty())
            QFont::insertSubstitutions(QString::fromUtf8(entry.face), available);
    }
}
