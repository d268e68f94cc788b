#pragma once
// The faces that stand in for the classic Windows faces the screens name, and
// the size rule: one table, whether the fonts come from the desktop's
// fontconfig or are packed with a web page.

#include <string>
#include <vector>

namespace rallix {

// Faces to try for a family, best first. The first is the family asked for;
// the rest are stand-ins of a similar spirit and weight.
const std::vector<std::string>& FontCandidates(const std::string& family);

}  // namespace rallix
