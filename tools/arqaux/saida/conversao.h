// The conversion of a binary stream into its text report, shared by the
// report kinds of arqaux report.
#ifndef ARQAUX_TOOL_CONVERSAO_H_
#define ARQAUX_TOOL_CONVERSAO_H_

#include <cstdint>
#include <functional>
#include <string>

#include "comum/erros.h"

// Converts stream binario, from past its header of cabecalho bytes, into the
// report texto through converte (the two streams' numbers, the text one
// current), closing both.
TResultado Converte_Arquivo(const std::string& binario, const std::string& texto,
                            uintmax_t cabecalho,
                            const std::function<void(int binario, int texto)>& converte);

#endif  // ARQAUX_TOOL_CONVERSAO_H_
