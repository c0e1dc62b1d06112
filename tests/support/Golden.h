#pragma once
// Golden-file comparison of a generated project folder.
//
// Every file under the generated folder must equal its fixture under
// tests/<fixtureFolder> byte for byte, and the two folders must hold the same
// files. With PINSMITH_UPDATE_GOLDEN=1 in the environment the fixtures are
// rewritten from the generated files instead; review the diff before
// committing it.

#include <string>

// fixtureFolder is relative to the tests/ source folder, for example
// "boards/golden/ILMARCH".
void ExpectMatchesGolden(const std::string& fixtureFolder, const std::string& generatedFolder);
