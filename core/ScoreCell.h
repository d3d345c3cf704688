#pragma once
// A score as the user typed it, with the two ways of reading it: the group stage
// sums goals in a 16-bit table, the knockout stage only compares two scores.

#include <QString>
#include <QStringView>

namespace ScoreCell {

// Group cells accept whole numbers whose value plus 2 still fits a signed 16-bit integer.
constexpr int kGroupMin = -32770;
constexpr int kGroupMax = 32765;

bool isEmpty(QStringView text);
// Optional blanks, optional sign, at least one digit, optional blanks; a blank is ' '.
bool isWholeNumber(QStringView text);
bool isValidGroupCell(QStringView text);
bool isValidKnockoutCell(QStringView text);

// The whole number the text begins with (blanks skipped, optional sign, digits up to
// the first other character); 0 when no digit follows. Huge numbers lose precision,
// which only matters for the group sums, where they overflow anyway.
double value(QStringView text);

// The knockout comparison: exact for numbers of any length, and an empty text is
// lower than every value, 0 included. Returns <0, 0 or >0 like strcmp.
int compareKnockout(QStringView a, QStringView b);

} // namespace ScoreCell
