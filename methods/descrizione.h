// The tester's texts besides the back-test report: the method summary in
// plain Italian, the check of the options, the output file and the colpi
// entries.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/indici.h"
#include "methods/file_metodo.h"
#include "methods/regole.h"

namespace metodi {

// The description of the lines at the given 0-based places of `righe`, as
// it is written into an empty output pane: "Metodo <name>" ("<senza nome>"
// when `nome` is nullopt: no method file opened or saved yet), an empty
// line, the test options when `opzioni` is given (the whole-method
// summary), then one block per line, blocks parted by an empty line. A line
// that does not parse is described by its own text. Lines end with CR LF.
// REQUIRES: every place names a line; `nome` holds no line break; the year
// entries of *opzioni name entries of indici.AnniArchivio
std::string Descrivi(const std::vector<std::string>& righe, const std::vector<int>& posti,
                     std::optional<std::string_view> nome, const Opzioni* opzioni,
                     const Indici& indici, const Regole& r);

// The faults that stop a back-test or a save, one per line ended by CR LF:
// no ticked wheel box ("TUTTE" counts), no line in the method. Empty when
// there are none.
std::string ErroriOpzioni(int caselleSpuntate, int righe);

// The saved output: the title in capitals, an empty line, the pane's text
// and one more line end; Windows-1252 with CR LF.
std::string FileOutput(std::string_view titolo, std::string_view pannello);

// The entry of the colpi list for n: left-aligned in three characters ("10 ").
std::string TestoColpi(int n);

}  // namespace metodi
