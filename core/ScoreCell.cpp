#include "ScoreCell.h"

namespace {

struct Parsed {
    bool negative = false;
    QStringView digits;  // leading digits, possibly empty
    qsizetype end = 0;   // index just past the digits
};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

Parsed parseLeadingNumber(QStringView text)
{
    Parsed p;
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        p.negative = text[i] == u'-';
        ++i;
    }
    const qsizetype start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    p.digits = text.mid(start, i - start);
    p.end = i;
    return p;
}

QStringView withoutLeadingZeros(QStringView digits)
{
    qsizetype i = 0;
    while (i + 1 < digits.size() && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}

} // namespace

namespace ScoreCell {

bool isEmpty(QStringView text) { return text.isEmpty(); }

bool isWholeNumber(QStringView text)
{
    const Parsed p = parseLeadingNumber(text);
    if (p.digits.isEmpty())
        return false;
    for (qsizetype i = p.end; i < text.size(); ++i) {
        if (text[i] != u' ')
            return false;
    }
    return true;
}

bool isValidGroupCell(QStringView text)
{
    if (text.isEmpty())
        return true;
    if (!isWholeNumber(text))
        return false;
    const Parsed p = parseLeadingNumber(text);
    const QStringView digits = withoutLeadingZeros(p.digits);
    if (digits.size() > 6)
        return false;
    const int magnitude = digits.toInt();
    const int v = p.negative ? -magnitude : magnitude;
    return v >= kGroupMin && v <= kGroupMax;
}

bool isValidKnockoutCell(QStringView text) { return text.isEmpty() || isWholeNumber(text); }

double value(QStringView text)
{
    const Parsed p = parseLeadingNumber(text);
    double v = 0.0;
    for (QChar c : p.digits)
        v = v * 10.0 + (c.unicode() - u'0');
    return p.negative ? -v : v;
}

int compareKnockout(QStringView a, QStringView b)
{
    if (a.isEmpty() || b.isEmpty())
        return int(!a.isEmpty()) - int(!b.isEmpty());
    const Parsed pa = parseLeadingNumber(a);
    const Parsed pb = parseLeadingNumber(b);
    const QStringView da = withoutLeadingZeros(pa.digits);
    const QStringView db = withoutLeadingZeros(pb.digits);
    const bool zeroA = da.isEmpty() || da == u"0";
    const bool zeroB = db.isEmpty() || db == u"0";
    const int signA = zeroA ? 0 : (pa.negative ? -1 : 1);
    const int signB = zeroB ? 0 : (pb.negative ? -1 : 1);
    if (signA != signB)
        return signA < signB ? -1 : 1;
    if (signA == 0)
        return 0;
    int magnitude = 0;
    if (da.size() != db.size())
        magnitude = da.size() < db.size() ? -1 : 1;
    else
        magnitude = da.compare(db);
    magnitude = magnitude < 0 ? -1 : (magnitude > 0 ? 1 : 0);
    return signA * magnitude;
}

} // namespace ScoreCell
