// Escaping of the texts that come from the data files, where the outputs write them.
#pragma once

#include <string>
#include <string_view>

namespace ventorel {

// & < > and " as &amp; &lt; &gt; &quot;, so that a name from a data file can
// neither add markup to the page nor put a double quote into it.
std::string htmlEscape(std::string_view text);

// A CSV field: the text in double quotes, a double quote inside it doubled.
std::string csvField(std::string_view text);

// A cell text that begins with a text from a data file, made safe for a
// spreadsheet: one that begins with = + - @, a tab or a CR would be evaluated as a
// formula (quoting the field does not stop that), so it gets a leading '. Other
// texts come back unchanged.
std::string spreadsheetText(std::string text);

// Whether a cell text beginning so would be evaluated as a formula: = + - @, a tab or a CR first.
bool startsLikeFormula(std::string_view text);

}  // namespace ventorel
