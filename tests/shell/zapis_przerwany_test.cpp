// A save that is killed part-way never leaves a broken slot: every slot afterwards holds
// either the old game or the new one, and loads.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

#include "globalne.h"
#include "plik_gry.h"
#include "srodowisko.h"
#include "zdarzenia.h"

namespace {

TEST(ZapisPrzerwany, ZabiteZapisyZostawiajaKazdySlotStaryLubNowy) {
  przygotuj_allegro();
  grafika ekran(tryb_grafiki::atrapa);
  zdarzenia wejscie(&ekran);
  stan_gry gry[2];
  std::string tresc[2];
  char blad[256] = "";
  const std::string katalog = katalog_tymczasowy();
  auto slot = [&](int n) { return katalog + "/Zapisane_gry/" + std::to_string(n) + ".sav"; };
  for (int i = 0; i < 2; ++i) {
    gry[i].ekran = &ekran;
    gry[i].wejscie = &wejscie;
    ASSERT_TRUE(wczytaj_gre("Pliki_danych/Mapy/map1.sce", gry[i], blad)) << blad;
    gry[i].gracze[1].zmien_zloto(777 * i);
    ASSERT_TRUE(zapisz_gre(slot(i).c_str(), gry[i], blad)) << blad;
    tresc[i] = wczytaj_plik(slot(i));
  }
  // Saves are flushed to disk, so how long one takes depends on the disk and its load: the
  // kills fall within about two rounds of saving five slots, measured here.
  const auto start = std::chrono::steady_clock::now();
  for (int n = 1; n <= 5; ++n) ASSERT_TRUE(zapisz_gre(slot(n).c_str(), gry[0], blad)) << blad;
  const long runda = (long)std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start).count();
  const long okno = std::min(std::max(2 * runda, 5000L), 300000L);
  std::srand(12345);
  int nowe = 0;
  for (int proba = 0; proba < 50; ++proba) {
    const pid_t dziecko = fork();
    ASSERT_GE(dziecko, 0);
    // The child writes the new game and then the old one to the slots until it is killed.
    for (int i = 1; dziecko == 0; i = 1 - i)
      for (int n = 1; n <= 5; ++n) zapisz_gre(slot(n).c_str(), gry[i], blad);
    usleep(200 + std::rand() % okno);
    kill(dziecko, SIGKILL);
    waitpid(dziecko, nullptr, 0);
    for (int n = 1; n <= 5; ++n) {
      const std::string t = wczytaj_plik(slot(n));
      ASSERT_TRUE(t == tresc[0] || t == tresc[1]) << "trial " << proba << ": slot " << n
                                                  << " holds " << t.size() << " bytes";
      nowe += t == tresc[1];
      stan_gry sprawdz;
      sprawdz.ekran = &ekran;
      ASSERT_TRUE(wczytaj_gre(slot(n).c_str(), sprawdz, blad)) << blad;
      sprawdz.zwolnij();
    }
  }
  EXPECT_GT(nowe, 0) << "the kills landed in the middle of the writing, not only before it";
  // What the killed saves left behind goes with the next save of each slot.
  for (int n = 1; n <= 5; ++n) ASSERT_TRUE(zapisz_gre(slot(n).c_str(), gry[0], blad)) << blad;
  EXPECT_EQ(pliki_w(katalog + "/Zapisane_gry"), "0.sav 1.sav 2.sav 3.sav 4.sav 5.sav ");
  gry[0].zwolnij();
  gry[1].zwolnij();
  godzina = 0.0f;
}

}  // namespace
