// Expected text of the sampled reports, built from a small table the way the
// format describes them: the period and interval lines, the column head, and
// one line per record with its clock and, when an hour of samples closes,
// the means of that hour. The library's tests and the tool's tests of every
// report family (zone conditions, controller outputs, occupancy, fan coil,
// primary equipment, surface fluxes and mould) build their whole expected
// text here. The clock is kept with its own calendar, not the library's.
#ifndef ARQAUX_TESTS_SUPPORT_RELATORIOS_H_
#define ARQAUX_TESTS_SUPPORT_RELATORIOS_H_

#include <arqaux/arqaux.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// UTF-8 text whose letters are at most U+00FF, as Windows-1252: expected
// text is written as documented and compared as the bytes the library writes.
inline std::string Cp1252(const std::string& s) {
  std::string r;
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0xC0 && i + 1 < s.size()) {
      r += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(s[++i]) & 0x3F));
    } else {
      r += s[i];
    }
  }
  return r;
}

// One value through one printf conversion.
inline std::string Formata(const char* formato, double v) {
  char texto[512];
  std::snprintf(texto, sizeof texto, formato, v);
  return texto;
}

// The raw bytes of floats, as a stream holds them.
inline std::string Reais(const std::vector<float>& v) {
  return std::string(reinterpret_cast<const char*>(v.data()), v.size() * 4);
}

// How a line ends: "\t  M     D      HH:MM:SS" (zone streams), "  M      D
// HH:MM:SS" (equipment), or the hour stamp "\t   M     D     H" on the lines
// that start an hour of samples (controller outputs).
enum class Relogio { Tabulado, Espacado, Carimbo };

// A column: its label in the head, its value on line s (before the scale),
// the format of the value on its line and of its hour's mean ("" for none).
struct Coluna_Amostrada {
  std::string rotulo;
  std::function<float(int)> valor;
  std::string linha, media;
  float escala = 1.0f;
};

// The period and interval lines; so_horas gives the hours alone ("H h").
inline std::string Periodo_Amostrado(const TTempo& inicio, const TTempo& fim, int intervalo,
                                     bool so_horas = false) {
  const auto data = [](const TTempo& t, const char* hora) {
    return std::to_string(t.Dia) + "/" + std::to_string(t.Mes) + " as " + std::to_string(t.Hora) +
           hora;
  };
  return "[Inicio: " + data(inicio, so_horas ? " h" : ":00:00") +
         " - Fim: " + data(fim, so_horas ? "" : ":59:59") +
         " h]\n[Intervalo de Amostragem = " + std::to_string(intervalo) + " s]\n";
}

// The clock moved on by some seconds, across months and the year's end.
inline void Avanca(TTempo* t, long long segundos) {
  static const int kDias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  long long s = t->Tempo + segundos;
  long long horas = t->Hora + s / 3600;
  t->Tempo = static_cast<int>(s % 3600);
  long long dias = horas / 24;
  t->Hora = static_cast<int>(horas % 24);
  for (dias %= 365; dias > 0; --dias) {
    if (++t->Dia > kDias[t->Mes - 1]) t->Dia = 1, t->Mes = t->Mes % 12 + 1;
  }
}

// The lines of n records from inicio, one every intervalo seconds.
inline std::string Linhas_Amostradas(const std::vector<Coluna_Amostrada>& colunas, int n,
                                     TTempo relogio, int intervalo, Relogio estilo) {
  std::string r;
  std::vector<float> somas(colunas.size());
  long long decorridos = 0;
  int contagem = 0;
  for (int s = 0; s < n; ++s) {
    for (size_t c = 0; c < colunas.size(); ++c) {
      somas[c] += colunas[c].valor(s);
      r += Formata(colunas[c].linha.c_str(), colunas[c].valor(s) * colunas[c].escala);
    }
    char texto[64];
    if (estilo == Relogio::Carimbo) {
      if (decorridos % 3600 == 0) {
        Avanca(&relogio, decorridos / 3600 % 8760 * 3600);
        std::snprintf(texto, sizeof texto, "\t   %d     %d     %d", relogio.Mes, relogio.Dia,
                      relogio.Hora);
        r += texto;
        decorridos = 0;
      }
      decorridos += intervalo;
      r += "\n";
      continue;
    }
    Avanca(&relogio, intervalo);
    std::snprintf(texto, sizeof texto,
                  estilo == Relogio::Tabulado ? "\t  %d     %d      %02d:%02d:%02d"
                                              : "  %d      %d    %02d:%02d:%02d",
                  relogio.Mes, relogio.Dia, relogio.Hora, relogio.Tempo / 60, relogio.Tempo % 60);
    r += texto;
    ++contagem;
    decorridos += intervalo;
    if (decorridos == 3600 && intervalo < 3600) {
      r += "\t(Media da Hora : [";
      for (size_t c = 0; c < colunas.size(); ++c) {
        if (!colunas[c].media.empty()) {
          r += Formata(colunas[c].media.c_str(), somas[c] * colunas[c].escala / contagem);
        }
      }
      r += "]";
      decorridos = contagem = 0;
      somas.assign(colunas.size(), 0.0f);
    }
    r += "\n";
  }
  return r;
}

// A whole report: the title, the period and interval lines, what comes
// before the labels, the labels and the clock's, then the lines of n records.
struct Relatorio_Amostrado {
  std::string titulo;
  TTempo inicio, fim;
  int intervalo;
  Relogio relogio;
  std::vector<Coluna_Amostrada> colunas;
  std::string antes_rotulos = "", depois_rotulos = "";
  bool so_horas = false;  // the period's hours alone, as the stamped reports have it
  std::string Texto(int n) const {
    std::string r =
        titulo + Periodo_Amostrado(inicio, fim, intervalo, so_horas || relogio == Relogio::Carimbo);
    r += antes_rotulos;
    for (const Coluna_Amostrada& c : colunas) r += c.rotulo;
    r += depois_rotulos + Cp1252("[Mês]  [Dia]  [Hora]\n");
    return r + Linhas_Amostradas(colunas, n, inicio, intervalo, relogio);
  }
};

// The columns of the zone families, each over its values line by line:
// conditions (interior temperature and humidity, comfort), the thermal
// sensations, operative and exterior temperatures, photovoltaics (seven
// values under five labels), occupancy and controller outputs.
using Valores = std::function<float(int)>;
inline Coluna_Amostrada Temperatura_Interna(Valores v) {
  return {"[Temp_I] ", v, "%.5f  \t", "%.2f   "};
}
inline Coluna_Amostrada Umidade_Interna(Valores v) { return {"[Umi_I] ", v, "%.8f", "%.4f"}; }
inline std::vector<Coluna_Amostrada> Conforto(Valores pmv, Valores ppd) {
  return {{"[ PMV ] ", pmv, "%.2f\t", "%.2f\t"}, {"[ PPD ]", ppd, "%.2f", "%.2f"}};
}
inline Coluna_Amostrada Sensacao(bool ats, Valores v) {
  return {ats ? "[ATS] " : "[ACE] ", v, "%.2f  \t", "%.2f   "};
}
inline std::vector<Coluna_Amostrada> Operativa_Externa(Valores operativa, Valores externa) {
  return {{"[Temp_op]  ", operativa, "%.2f\t", "%.2f   "}, {"[Temp_Ext]   ", externa, "%.2f", ""}};
}
inline std::vector<Coluna_Amostrada> Fotovoltaico(const std::function<float(int, int)>& v) {
  std::vector<Coluna_Amostrada> r;
  for (int i = 0; i < 7; ++i)
    r.push_back({"", [v, i](int s) { return v(s, i); }, "%.4f\t", "%.4f\t"});
  r[0].rotulo = "Sistema Fotovoltaico\n[Rede]  [Bateria]  [Gerada]  [Demanda]  [Superficie]    ";
  return r;
}
inline std::vector<Coluna_Amostrada> Ocupacao(Valores pessoas, Valores valor) {
  return {{"[Pessoas]  ", pessoas, "%.0f\t", "%.2f\t"}, {"[Valor]   ", valor, "%.2f", "%.2f"}};
}
inline Coluna_Amostrada Saida_Controlador(Valores v) { return {"[Saida_Contr] ", v, "%.1f", ""}; }

// A zone report of the given columns; the controller outputs' is stamped
// once an hour and states the hours alone.
inline Relatorio_Amostrado Relatorio_Zona(const TTempo& inicio, const TTempo& fim, int intervalo,
                                          const std::vector<Coluna_Amostrada>& colunas,
                                          Relogio relogio = Relogio::Tabulado) {
  return {"", inicio, fim, intervalo, relogio, colunas};
}

#endif  // ARQAUX_TESTS_SUPPORT_RELATORIOS_H_
