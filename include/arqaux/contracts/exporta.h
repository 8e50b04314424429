// The export mark of the sibling-library stand-ins. Their shared library is
// built with hidden visibility: only the classes and functions marked here
// are visible to the file manager and to hosts.
#ifndef ARQAUX_CONTRACTS_EXPORTA_H_
#define ARQAUX_CONTRACTS_EXPORTA_H_

#if defined(__GNUC__)
#define ARQAUX_CONTRATOS_API __attribute__((visibility("default")))
#else
#define ARQAUX_CONTRATOS_API
#endif

#endif  // ARQAUX_CONTRACTS_EXPORTA_H_
