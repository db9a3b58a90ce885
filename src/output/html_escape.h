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

}  // namespace ventorel
