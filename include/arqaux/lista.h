// TLista<T> and TNo<T>: the circular doubly linked list in which the host's
// libraries pass collections of heap objects to one another. A list built in
// one library is read and extended in another, so the field order and sizes
// below are an interface: do not add, remove or reorder members.
#ifndef ARQAUX_LISTA_H_
#define ARQAUX_LISTA_H_

#include <cstdint>

struct TLista_Layout;

// One node: the element pointer and the links of the circle.
template <class T>
class TNo {
 public:
  explicit TNo(T* dado) : dado_(dado), proximo_(nullptr), anterior_(nullptr) {}

  T* R_Dado() const { return dado_; }
  TNo* R_Proximo() const { return proximo_; }
  TNo* R_Anterior() const { return anterior_; }
  void A_Proximo(TNo* no) { proximo_ = no; }
  void A_Anterior(TNo* no) { anterior_ = no; }

 private:
  friend struct TLista_Layout;
  T* dado_;
  TNo* proximo_;
  TNo* anterior_;
};

// The list: head, count, and whether it deletes the objects it removes.
// Positions run from 1 along R_Proximo; the last node's next is the head.
template <class T>
class TLista {
 public:
  explicit TLista(bool possui_dados) : cabeca_(nullptr), n_elementos_(0), possui_(possui_dados) {}
  ~TLista() { Limpa(); }
  TLista(const TLista&) = delete;
  TLista& operator=(const TLista&) = delete;

  // Appends obj at the end and returns it. The last node is the head's
  // previous one, so appending does not walk the list.
  T* Adiciona(T* obj) {
    TNo<T>* novo = new TNo<T>(obj);
    if (cabeca_ == nullptr) {
      novo->A_Proximo(novo);
      novo->A_Anterior(novo);
      cabeca_ = novo;
    } else {
      TNo<T>* ultimo = cabeca_->R_Anterior();
      ultimo->A_Proximo(novo);
      novo->A_Anterior(ultimo);
      novo->A_Proximo(cabeca_);
      cabeca_->A_Anterior(novo);
    }
    ++n_elementos_;
    return obj;
  }

  int Numero_Elementos() const { return n_elementos_; }

  // The node at position n, following the circle past the end; positions of
  // 1 or less give the head. Null on an empty list.
  TNo<T>* R_No(int n) const {
    TNo<T>* no = cabeca_;
    for (int i = 1; no != nullptr && i < n; ++i) no = no->R_Proximo();
    return no;
  }

  // Unlinks the first node holding obj; deletes obj too when the list owns
  // its elements and apagar is set. False when obj is not in the list.
  bool Remove(T* obj, bool apagar) {
    TNo<T>* no = cabeca_;
    for (int i = 0; i < n_elementos_; ++i, no = no->R_Proximo()) {
      if (no->R_Dado() != obj) continue;
      no->R_Anterior()->A_Proximo(no->R_Proximo());
      no->R_Proximo()->A_Anterior(no->R_Anterior());
      --n_elementos_;
      if (n_elementos_ == 0) {
        cabeca_ = nullptr;
      } else if (no == cabeca_) {
        cabeca_ = no->R_Proximo();
      }
      if (possui_ && apagar) delete obj;
      delete no;
      return true;
    }
    return false;
  }

  // Removes every node, deleting the objects when the list owns them.
  void Limpa() {
    TNo<T>* no = cabeca_;
    for (int i = 0; i < n_elementos_; ++i) {
      TNo<T>* proximo = no->R_Proximo();
      if (possui_) delete no->R_Dado();
      delete no;
      no = proximo;
    }
    cabeca_ = nullptr;
    n_elementos_ = 0;
  }

 private:
  friend struct TLista_Layout;
  TNo<T>* cabeca_;
  int32_t n_elementos_;
  bool possui_;
};

#endif  // ARQAUX_LISTA_H_
