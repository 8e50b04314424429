#include "comum/projeto.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

#include "comum/erros.h"

namespace fs = std::filesystem;

TVolta_Dir::TVolta_Dir() : dir_(open(".", O_RDONLY | O_DIRECTORY)) {}

TVolta_Dir::~TVolta_Dir() {
  if (dir_ >= 0 && fchdir(dir_) == 0) close(dir_);
}

fs::path Pasta_Do_Projeto(std::string dir, const std::string& projeto) {
  std::replace(dir.begin(), dir.end(), '\\', '/');
  return fs::path(dir) / ("#" + projeto);
}

TResultado Confere_Arquivo_Do_Projeto(const fs::path& pasta, const std::string& nome) {
  std::error_code ec;
  const fs::file_status estado = fs::status(pasta / nome, ec);
  if (fs::exists(estado) && !fs::is_regular_file(estado)) {
    return Falha("'%s' is not a regular file", (pasta / nome).lexically_normal().c_str());
  }
  return {};
}
