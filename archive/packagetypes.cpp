#include "archive/packagetypes.h"
#include "archive/text.h"

#include "archive/packagefile.h"

#include <QCoreApplication>

bool isStorableName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')))
        return false;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            return false;
    }
    return true;
}

QString sizeText(qint64 bytes, SizeRounding rounding)
{
    if (bytes < 0)
        return CoreText::tr("unknown");
    static const char *const units[] = {
        QT_TRANSLATE_NOOP("CoreText", "%1 B"), QT_TRANSLATE_NOOP("CoreText", "%1 kB"),
        QT_TRANSLATE_NOOP("CoreText", "%1 MB"), QT_TRANSLATE_NOOP("CoreText", "%1 GB"),
        QT_TRANSLATE_NOOP("CoreText", "%1 TB")};
    const int last = int(sizeof units / sizeof *units) - 1;
    // Whole numbers of the last digit shown, so that no rounding of a
    // fraction takes 3,000,000,001 bytes for 3.00 GB needed. Rounding may
    // carry into another digit (999.6 MB to 1.00 GB): then the unit or the
    // decimals change and it rounds again.
    int unit = 0;
    int decimals = 0;
    qint64 scale = 1;
    qint64 digits = bytes;
    for (;;) {
        decimals = unit == 0 ? 0 : bytes < 10 * scale ? 2 : bytes < 100 * scale ? 1 : 0;
        const qint64 step = decimals == 2 ? scale / 100 : decimals == 1 ? scale / 10 : scale;
        digits = rounding == SizeRounding::Up     ? bytes / step + (bytes % step != 0)
                 : rounding == SizeRounding::Down ? bytes / step
                                                  : (bytes + step / 2) / step;
        // Three figures: fewer than 1000 of the last digit.
        if (digits >= 1000 && decimals == 0 && unit < last) {
            ++unit;
            scale *= 1000;
        } else if (digits >= 1000 && decimals > 0) {
            // 9.996 MB shows as 10.0 MB: one decimal fewer, rounded again.
            digits = rounding == SizeRounding::Up     ? digits / 10 + (digits % 10 != 0)
                     : rounding == SizeRounding::Down ? digits / 10
                                                      : (digits + 5) / 10;
            --decimals;
            break;
        } else {
            break;
        }
    }
    const double shown = double(digits) / (decimals == 2 ? 100 : decimals == 1 ? 10 : 1);
    return CoreText::tr(units[unit]).arg(shown, 0, 'f', decimals);
}
