#include <filesystem>
#include <string>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;

using SampleTool = ArqauxTest;

// Lines of a text file, counted by their "\n".
size_t Linhas(const std::string& texto) {
  size_t n = 0;
  for (char c : texto) n += c == '\n';
  return n;
}

TEST_F(SampleTool, ShortRunWritesEveryStreamAndReport) {
  const std::string pasta = Caminho("saida");
  std::string saida;
  ASSERT_EQ(Executa(std::string(ARQAUX_TOOL_PATH) + " sample " + pasta +
                        " --zones 2 --days 2 --detail full --list",
                    &saida),
            0)
      << saida;
  // Two days of 600-second steps.
  const uintmax_t passos = 2 * 144;
  struct Arquivo {
    const char* nome;
    uintmax_t bytes;
  } esperados[] = {
      {"clima.bin", 80 + 24 * 8760},
      {"solo.bin", 8 * 8760},
      {"interno.ti", 8 * 8760},
      {"zona1_temp_umi.bin", 7 + 24 * passos},
      {"zona1_ats.bin", 4 * passos},
      {"zona1_acs.bin", 8 * passos},
      {"zona1_pv.bin", 28 * passos},
      {"zona1_saida_cont.bin", 4 + 12 * passos},
      {"zona2_pessoas.bin", 8 * passos},
      // The north wall: 2 regions of 5 and 7 nodes, 4 values per node.
      {"zona1_parede.bin", 36 + 16 * 12 * passos},
      // Six faces; eight regions of heat pair and vapour flux, or of mould.
      {"zona2_sombras.bin", 28 + 8 * 6 * passos},
      {"zona2_radiacao.bin", 12 * 6 * passos},
      {"zona1_fluxos.bin", 36 + 12 * 8 * passos},
      {"zona1_mofo.bin", 36 + 4 * 8 * passos},
  };
  for (const Arquivo& a : esperados) {
    EXPECT_EQ(fs::file_size(pasta + "/" + a.nome), a.bytes) << a.nome;
  }

  // Each report covers the two days, one line per step after its head.
  const std::string periodo =
      "[Inicio: 1/1 as 0:00:00 - Fim: 2/1 as 23:59:59 h]\n[Intervalo de Amostragem = 600 s]\n";
  for (const char* nome : {"zona2_temp_umi.txt", "zona2_ats.txt", "zona2_acs.txt"}) {
    const std::string texto = Le_Arquivo(pasta + "/" + nome);
    EXPECT_EQ(texto.substr(0, periodo.size()), periodo) << nome;
    EXPECT_EQ(Linhas(texto), 3 + passos) << nome;
  }
  EXPECT_EQ(Linhas(Le_Arquivo(pasta + "/zona1_pv.txt")), 4 + passos);
  const std::string sc = Le_Arquivo(pasta + "/zona2_saida_cont_2.txt");
  EXPECT_EQ(sc.substr(0, 44), "[Inicio: 1/1 as 0 h - Fim: 2/1 as 23 h]\n[Int");
  EXPECT_EQ(Linhas(sc), 3 + passos);
  // Envelope reports: their heads, then a line per step; a moisture line per
  // day; the surface report's head names six faces.
  const struct {
    const char* nome;
    size_t linhas;
  } envoltoria[] = {{"zona1_FLW.txt", 4 + passos},
                    {"zona2_mofo.txt", 4 + passos},
                    {"zona1_MTR.txt", 5 + 2},
                    {"zona2_superficies.txt", 14 + passos},
                    {"zona1_perfis.txt", 2 * 2 + 5 + 7 + 24}};
  for (const auto& e : envoltoria) {
    const std::string texto = Le_Arquivo(pasta + "/" + e.nome);
    EXPECT_EQ(Linhas(texto), e.linhas) << e.nome;
  }

  // The table lists the 4 input files and the soil file's description, 13
  // zone files and 6 descriptions per zone, the HVAC plant's files, 16 load
  // files per zone and the HVAC system's, 11 envelope files and 5 descriptions per zone, the
  // first zone's 4 diagnostics, and the daylighting schedule and rain file,
  // family by family.
  for (const char* linha :
       {"\n[inputs] ", "  (5 files)\n\nzona1_temp_umi.bin ", "\n[zones] ",
        "  (38 files)\n\nzona1_fancoil.dat ", "\n[hvac] ",
        "  (77 files)\n\nzona1_carga_inverno.txt ", "\n[thermal loads] ",
        "  (33 files)\n\nzona1_parede.bin ", "\n[envelope] ", "  (32 files)\n\nzona1_vidros.txt ",
        "\n[diagnostics] ", "  (4 files)\n\niluminacao.csv ", "\n[daylight-rain] ",
        "  (2 files)\n\nWrote 191 files, "}) {
    EXPECT_NE(saida.find(linha), std::string::npos) << linha << '\n' << saida;
  }
}

// More result streams than file handles: the registry closes and reopens
// streams as they are used, and every stream must still be whole. Four zones
// open 24 zone streams and then 21 HVAC streams; the handles run out while
// the HVAC family opens, once each family has met its first call (the
// sanitizer build checks each class at its first call with two descriptors
// of its own, and cannot when the registry holds them all).
TEST_F(SampleTool, MoreStreamsThanHandles) {
  const std::string pasta = Caminho("apertado");
  std::string saida;
  ASSERT_EQ(Executa("ulimit -n 40; " + std::string(ARQAUX_TOOL_PATH) + " sample " + pasta +
                        " --zones 4 --days 1 --detail full",
                    &saida),
            0)
      << saida;
  EXPECT_EQ(fs::file_size(pasta + "/zona4_temp_umi.bin"), 7 + 24 * 144u);
  EXPECT_EQ(fs::file_size(pasta + "/zona1_temp_umi.bin"), 7 + 24 * 144u);
  EXPECT_EQ(Linhas(Le_Arquivo(pasta + "/zona4_temp_umi.txt")), 3 + 144u);
  EXPECT_EQ(Linhas(Le_Arquivo(pasta + "/zona1_saida_cont_2.txt")), 3 + 144u);
  EXPECT_EQ(Linhas(Le_Arquivo(pasta + "/zona4_fancoil.dat")), 144u);
  EXPECT_EQ(Linhas(Le_Arquivo(pasta + "/bomba-cond_v2.txt")), 4 + 144u);
}

}  // namespace
