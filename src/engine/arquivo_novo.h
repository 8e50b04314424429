// A new file under a unique name beside its destination, for writers that
// rename it into place once whole: a killed or failed write never leaves a
// cut file under the destination's name, and no link planted there is
// followed. Shared by the library's climate writer and the tool's outputs.
#ifndef ARQAUX_ENGINE_ARQUIVO_NOVO_H_
#define ARQAUX_ENGINE_ARQUIVO_NOVO_H_

#include <cstdio>
#include <string>

namespace arqaux {

// Creates a new file named modelo with its last six characters "XXXXXX"
// replaced (mkstemp: made anew, never through a link), with the permission
// bits a file created by fopen would get (0666 less the umask), open for
// binary writing. Its name goes to *nome; null when it could not be made
// (errno tells why), with no file left.
std::FILE* Cria_Arquivo_Unico(const std::string& modelo, std::string* nome);

}  // namespace arqaux

#endif  // ARQAUX_ENGINE_ARQUIVO_NOVO_H_
