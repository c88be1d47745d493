#pragma once
class muzyka;

// A chain of tracks; the held object is the first node. przeskocz() returns a copy of the
// next node (of this node on the last one), which the owner assigns to the node it holds.
class playlista {
 public:
  playlista();
  explicit playlista(const char* nazwa);
  // Copies share the tracks; only the chain made with dodaj owns them (see zwolnij).
  playlista(const playlista& p) = default;
  playlista& operator=(const playlista& p) = default;

  void dodaj(const char* nazwa);
  playlista przeskocz();
  int odtwarzaj();
  int przygotuj();
  int zatrzymaj();
  muzyka* pobierz_utwor() { return utwor; }
  // Destroys every track and node of the chain starting here.
  void zwolnij();

 private:
  playlista* nastepny = nullptr;
  muzyka* utwor = nullptr;
};
