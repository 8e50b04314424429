// Words of the command line and of the tool's own files read whole: a
// number or a date is refused when anything follows it.
#ifndef ARQAUX_TOOL_TEXTO_H_
#define ARQAUX_TOOL_TEXTO_H_

#include <string>

struct TTempo;

// Whole-text integer parser: false on empty text, trailing characters or
// values out of range.
bool Le_Inteiro(const std::string& texto, int* valor);
// "DD/MM/HH": a day of the month given (365-day year) and an hour 0 to 23,
// into a clock cleared but for them; false on any other text.
bool Le_Data(const std::string& texto, TTempo* t);

#endif  // ARQAUX_TOOL_TEXTO_H_
