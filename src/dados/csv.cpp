#include <arqaux/dados.h>

#include <string>
#include <vector>

std::string Campo_CSV(const std::string& texto) {
  if (texto.find_first_of(",\"\r\n") == std::string::npos) return texto;
  std::string campo = "\"";
  for (char c : texto) campo += c == '"' ? std::string("\"\"") : std::string(1, c);
  return campo + "\"";
}

long long Exporta_CSV(TSerie* s, int ano, std::FILE* saida, std::string* erro) {
  erro->clear();
  std::string linha = "time,interval [s],hour_of_year [h]";
  for (const TColuna& c : s->Colunas()) linha += "," + Campo_CSV(c.Titulo());
  linha += "\r\n";
  bool ok = std::fputs(linha.c_str(), saida) >= 0;
  std::vector<double> valores;
  long long segundos = 0, linhas = 0;
  while (ok && s->Le(&valores, &segundos)) {
    if (!Cabe_No_Calendario(segundos, ano)) {
      *erro = Falha_Calendario(ano);
      return -1;
    }
    linha = Texto_ISO(segundos, ano) + "," + std::to_string(s->Intervalo()) + "," +
            Texto_Horas(segundos);
    for (double v : valores) linha += "," + Texto_Valor(v);
    linha += "\r\n";
    ok = std::fputs(linha.c_str(), saida) >= 0;
    ++linhas;
  }
  // A write error may only show when the buffer goes out.
  return ok && std::fflush(saida) == 0 && std::ferror(saida) == 0 ? linhas : -1;
}
