#include <arqaux/contracts/utility.h>
#include <arqaux/formatos.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>

namespace {

TTempo Tempo(int mes, int dia, int hora, int segundos) { return {hora, segundos, mes, dia, {}}; }

std::string Hora(TTempo t) {
  char texto[12];
  DLL_UTIL_Geren_Tempo()->R_Hora_Formatada(texto, &t);
  return texto;
}

std::string Data(TTempo t) {
  char texto[8];
  DLL_UTIL_Geren_Tempo()->R_Data_Formatada(texto, &t);
  return texto;
}

// Each row advances a clock and prints its date and time: carries of
// seconds, hours, days, months and the year, fields out of range clamped to
// the nearest valid value before the clock moves (with no overflow whatever
// they hold), and texts that fit their buffers. -1 s is one Avanca_UmaHora;
// 0 s leaves the clock as given; a row of several steps takes them in turn.
TEST(Relogio, AdvancesClampsAndPrints) {
  const struct {
    TTempo inicio;
    int segundos;
    const char* texto;
    int passos = 1;
  } casos[] = {
      {Tempo(1, 1, 0, 0), 600, "01/01 00:10:00"},
      {Tempo(1, 1, 0, 600), 3000, "01/01 01:00:00"},
      {Tempo(2, 28, 23, 3599), 1, "01/03 00:00:00"},
      {Tempo(12, 31, 23, 0), -1, "01/01 00:00:00"},
      {Tempo(3, 15, 7, 1200), ARQAUX_HORAS_ANO * 3600, "15/03 07:20:00"},
      {Tempo(4, 9, 5, 7 * 60 + 3), 0, "09/04 05:07:03"},
      {Tempo(1, INT_MAX, 0, 0), 3600, "31/01 01:00:00"},
      {Tempo(2, 30, 23, 3599), 1, "01/03 00:00:00"},
      {Tempo(INT_MIN, INT_MIN, INT_MIN, INT_MIN), 1, "01/01 00:00:01"},
      {Tempo(INT_MAX, INT_MAX, INT_MAX, INT_MAX), 1, "01/01 00:00:00"},
      {Tempo(6, 0, -1, -1), 60, "01/06 00:01:00"},
      // 2^31 - 1 s is 24,855 days (68 years and 35 days), 3 h and 847 s.
      {Tempo(1, 1, 0, 0), INT_MAX, "05/02 03:14:07"},
      // A whole 365-day year step by step comes back to itself.
      {Tempo(3, 15, 7, 1200), 600, "15/03 07:20:00", ARQAUX_HORAS_ANO * 6},
  };
  std::string esperado, obtido;
  for (const auto& c : casos) {
    TTempo t = c.inicio;
    for (int i = 0; i < c.passos; ++i) {
      if (c.segundos < 0) DLL_UTIL_Geren_Tempo()->Avanca_UmaHora(&t);
      if (c.segundos >= 0) DLL_UTIL_Geren_Tempo()->Avanca_X_Segundos(c.segundos, &t);
    }
    obtido += Data(t) + " " + Hora(t) + "\n";
    esperado += std::string(c.texto) + "\n";
  }
  EXPECT_EQ(obtido, esperado);
  TTempo louco = Tempo(INT_MIN, INT_MAX, INT_MIN, INT_MIN);
  EXPECT_LE(Hora(louco).size(), 11u);
  EXPECT_LE(Data(louco).size(), 7u);
  // Month names are Windows-1252; a number outside 1..12 has none.
  std::string nome;
  DLL_UTIL_Geren_Tempo()->Nome_Mes(3, nome);
  EXPECT_EQ(nome, "Mar\xE7o");
  DLL_UTIL_Geren_Tempo()->Nome_Mes(13, nome);
  EXPECT_EQ(nome, "");
}

TEST(Diretorios, BackslashesAndDoubledSeparatorsReachTheFolder) {
  namespace fs = std::filesystem;
  fs::path antes = fs::current_path();
  fs::path base = fs::temp_directory_path() / ("arqaux-dir-" + std::to_string(getpid()));
  fs::create_directories(base / "P" / "#Casa");
  std::string janelas = base.string() + "\\P\\\\#Casa";
  TGeren_Dir* d = DLL_UTIL_Geren_Dir();
  ASSERT_TRUE(d->Muda_Custom_Dir(janelas));
  EXPECT_EQ(fs::current_path(), base / "P" / "#Casa");

  d->A_Dir_Modelos((base / "P").string());
  ASSERT_TRUE(d->Muda_Dir_Modelos());
  EXPECT_EQ(fs::current_path(), base / "P");
  EXPECT_FALSE(d->Muda_Custom_Dir((base / "falta").string()));
  EXPECT_FALSE(d->Muda_Custom_Dir(""));
  fs::current_path(antes);
  fs::remove_all(base);
}

}  // namespace
