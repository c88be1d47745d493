#include "playlista.h"

#include "muzyka.h"

playlista::playlista() = default;

playlista::playlista(const char* nazwa) : utwor(new muzyka(nazwa)) {}

void playlista::dodaj(const char* nazwa) {
  playlista* ostatni = this;
  while (ostatni->nastepny) ostatni = ostatni->nastepny;
  ostatni->nastepny = new playlista(nazwa);
}

playlista playlista::przeskocz() { return nastepny ? *nastepny : *this; }

int playlista::odtwarzaj() { return utwor ? utwor->odtwarzaj() : 0; }
int playlista::przygotuj() { return utwor ? utwor->przygotuj() : 0; }
int playlista::zatrzymaj() { return utwor ? utwor->zatrzymaj() : 0; }

void playlista::zwolnij() {
  playlista* w = nastepny;
  while (w) {
    playlista* dalej = w->nastepny;
    delete w->utwor;
    delete w;
    w = dalej;
  }
  nastepny = nullptr;
  delete utwor;
  utwor = nullptr;
}
