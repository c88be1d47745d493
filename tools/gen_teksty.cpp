// Writes the seven language files (gm_*.cfg) and the settings file config.cfg into the
// output root given as the only argument. The texts are UTF-8, each language with its own
// letters; the game's font covers every character from the space to U+017F. French keeps a
// no-break space (U+00A0) before ":", ";", "!" and "?" so that a line never starts with one.
//
// Texts shown with a number: "build" is centred and expands "%d"; the information-panel
// labels ("moves", "attack", ...) and "disposepoints" are followed directly by a number.
// The config format trims trailing blanks, so they end in a colon and read like "HP:180".
// Button labels are drawn as formats too, so none of them holds a '%'.
#include <cstdio>
#include <string>

namespace {

// Column order of every table: the order of the language files below.
enum { PL, EN, SP, IT, FR, CZ, GE, LICZBA_JEZYKOW };

const char* const PLIKI[LICZBA_JEZYKOW] = {"gm_pl.cfg", "gm_en.cfg", "gm_sp.cfg", "gm_it.cfg",
                                           "gm_fr.cfg", "gm_cz.cfg", "gm_ge.cfg"};

const char* const NAZWY_JEZYKOW[LICZBA_JEZYKOW] = {"Polish", "English", "Spanish", "Italian",
                                                   "French", "Czech", "German"};

struct wpis {
  const char* klucz;
  const char* tekst[LICZBA_JEZYKOW];  // pl, en, sp, it, fr, cz, ge
};

// Section "teksty": every text of the game.
const wpis TEKSTY[] = {
    // Main menu.
    {"mapa1", {"Mapa 1", "Map 1", "Mapa 1", "Mappa 1", "Carte 1", "Mapa 1", "Karte 1"}},
    {"mapa2", {"Mapa 2", "Map 2", "Mapa 2", "Mappa 2", "Carte 2", "Mapa 2", "Karte 2"}},
    {"mapa3", {"Mapa 3", "Map 3", "Mapa 3", "Mappa 3", "Carte 3", "Mapa 3", "Karte 3"}},
    {"mapa4", {"Mapa 4", "Map 4", "Mapa 4", "Mappa 4", "Carte 4", "Mapa 4", "Karte 4"}},
    {"powrot", {"Powrót", "Back", "Volver", "Indietro", "Retour", "Zpět", "Zurück"}},
    {"save1", {"Zapis 1", "Slot 1", "Partida 1", "Partita 1", "Partie 1", "Pozice 1", "Spielstand 1"}},
    {"save2", {"Zapis 2", "Slot 2", "Partida 2", "Partita 2", "Partie 2", "Pozice 2", "Spielstand 2"}},
    {"save3", {"Zapis 3", "Slot 3", "Partida 3", "Partita 3", "Partie 3", "Pozice 3", "Spielstand 3"}},
    {"save4", {"Zapis 4", "Slot 4", "Partida 4", "Partita 4", "Partie 4", "Pozice 4", "Spielstand 4"}},
    {"save5", {"Zapis 5", "Slot 5", "Partida 5", "Partita 5", "Partie 5", "Pozice 5", "Spielstand 5"}},
    {"soundon",
     {"Dźwięk: włączony", "Sound: on", "Sonido: sí", "Audio: sì", "Son\u00a0: activé",
      "Zvuk: zapnutý", "Ton: an"}},
    {"soundoff",
     {"Dźwięk: wyłączony", "Sound: off", "Sonido: no", "Audio: no", "Son\u00a0: coupé",
      "Zvuk: vypnutý", "Ton: aus"}},
    {"aigood",
     {"Komputer: Dobro", "AI: Good", "IA: el Bien", "IA: il Bene", "IA\u00a0: le Bien",
      "Počítač: Dobro", "KI: das Gute"}},
    {"aievil",
     {"Komputer: Zło", "AI: Evil", "IA: el Mal", "IA: il Male", "IA\u00a0: le Mal",
      "Počítač: Zlo", "KI: das Böse"}},
    {"aioff",
     {"Komputer: nie gra", "AI: off", "IA: ninguna", "IA: nessuna", "IA\u00a0: aucune",
      "Počítač: nehraje", "KI: aus"}},
    {"build",
     {"Wersja 1.0, kompilacja %d", "Version 1.0, build %d", "Versión 1.0, compilación %d",
      "Versione 1.0, build %d", "Version 1.0, compilation %d", "Verze 1.0, sestavení %d",
      "Version 1.0, Build %d"}},

    // Command panel and in-game menu.
    {"endturn", {"Koniec tury", "End turn", "Terminar turno", "Fine turno", "Fin du tour", "Konec tahu", "Zug beenden"}},
    {"options", {"Opcje", "Options", "Opciones", "Opzioni", "Options", "Možnosti", "Optionen"}},
    {"heal", {"Ulecz", "Heal", "Curar", "Cura", "Soigner", "Léčit", "Heilen"}},
    {"repair", {"Napraw", "Repair", "Reparar", "Ripara", "Réparer", "Opravit", "Reparieren"}},
    {"training", {"Trenuj", "Train", "Entrenar", "Addestra", "Entraîner", "Cvičit", "Trainieren"}},
    {"exit", {"Wyjdź z gry", "Quit game", "Salir del juego", "Esci dal gioco", "Quitter le jeu", "Ukončit hru", "Spiel beenden"}},
    {"buy", {"Kup", "Buy", "Comprar", "Compra", "Acheter", "Koupit", "Kaufen"}},
    {"next", {"Następny", "Next", "Siguiente", "Successivo", "Suivant", "Další", "Nächste"}},
    {"previous", {"Poprzedni", "Previous", "Anterior", "Precedente", "Précédent", "Předchozí", "Vorherige"}},
    {"raiseattack", {"+1 Atak", "+1 Attack", "+1 Ataque", "+1 Attacco", "+1 Attaque", "+1 Útok", "+1 Angriff"}},
    {"raisedefense", {"+1 Obrona", "+1 Defence", "+1 Defensa", "+1 Difesa", "+1 Défense", "+1 Obrana", "+1 Abwehr"}},
    {"raiseagility", {"+1 Zwinność", "+1 Agility", "+1 Agilidad", "+1 Agilità", "+1 Agilité", "+1 Obratnost", "+1 Geschick"}},
    {"buyunit", {"Jednostki", "Units", "Unidades", "Unità", "Unités", "Jednotky", "Einheiten"}},
    {"buytechnology", {"Technologie", "Technologies", "Tecnologías", "Tecnologie", "Technologies", "Technologie", "Technologien"}},
    {"notavaiable", {"Niedostępne", "Not available", "No disponible", "Non disponibile", "Indisponible", "Nedostupné", "Nicht verfügbar"}},
    {"technology1", {"Płatnerstwo", "Weaponry", "Armería", "Armeria", "Armurerie", "Zbrojířství", "Waffenkunde"}},
    {"technology2", {"Magia", "Sorcery", "Hechicería", "Stregoneria", "Sorcellerie", "Magie", "Zauberei"}},
    {"technology3", {"Bestiariusz", "Beast lore", "Bestiario", "Bestiario", "Bestiaire", "Bestiář", "Bestienkunde"}},
    {"technology4", {"Legendy", "Legends", "Leyendas", "Leggende", "Légendes", "Legendy", "Legenden"}},
    {"allows1",
     {"1000 złota - pozwala werbować lordów", "1000 gold - lets you recruit the Lord",
      "1000 de oro - permite reclutar lores", "1000 oro - permette di reclutare il Lord",
      "1000 or - permet de recruter le Seigneur", "1000 zlata - umožní najímat lordy",
      "1000 Gold - schaltet den Lord frei"}},
    {"allows2",
     {"2000 złota - pozwala werbować magów", "2000 gold - lets you recruit the Mage",
      "2000 de oro - permite reclutar magos", "2000 oro - permette di reclutare il Mago",
      "2000 or - permet de recruter le Mage", "2000 zlata - umožní najímat mágy",
      "2000 Gold - schaltet den Magier frei"}},
    {"allows3",
     {"4000 złota - pozwala hodować hydry", "4000 gold - lets you breed the Hydra",
      "4000 de oro - permite criar hidras", "4000 oro - permette di allevare l'Idra",
      "4000 or - permet d'élever l'Hydre", "4000 zlata - umožní chovat hydry",
      "4000 Gold - schaltet die Hydra frei"}},
    {"allows4",
     {"8000 złota - pozwala przyzywać archaniołów", "8000 gold - lets you summon the Archangel",
      "8000 de oro - permite invocar arcángeles", "8000 oro - permette di evocare l'Arcangelo",
      "8000 or - permet d'invoquer l'Archange", "8000 zlata - umožní povolávat archanděly",
      "8000 Gold - schaltet den Erzengel frei"}},
    {"allows5",
     {"1000 złota - pozwala przyzywać ogniste kule", "1000 gold - lets you summon the Fireball",
      "1000 de oro - permite invocar bolas de fuego", "1000 oro - permette di evocare la Palla di fuoco",
      "1000 or - permet d'invoquer la Boule de feu", "1000 zlata - umožní vyvolávat ohnivé koule",
      "1000 Gold - schaltet den Feuerball frei"}},
    {"allows6",
     {"2000 złota - pozwala werbować arcymagów", "2000 gold - lets you recruit the Archmage",
      "2000 de oro - permite reclutar archimagos", "2000 oro - permette di reclutare l'Arcimago",
      "2000 or - permet de recruter l'Archimage", "2000 zlata - umožní najímat arcimágy",
      "2000 Gold - schaltet den Erzmagier frei"}},
    {"allows7",
     {"4000 złota - pozwala hodować smoki", "4000 gold - lets you raise the Dragon",
      "4000 de oro - permite criar dragones", "4000 oro - permette di allevare il Drago",
      "4000 or - permet d'élever le Dragon", "4000 zlata - umožní chovat draky",
      "4000 Gold - schaltet den Drachen frei"}},
    {"allows8",
     {"8000 złota - pozwala werbować trolle", "8000 gold - lets you recruit the Troll",
      "8000 de oro - permite reclutar troles", "8000 oro - permette di reclutare il Troll",
      "8000 or - permet de recruter le Troll", "8000 zlata - umožní najímat trolly",
      "8000 Gold - schaltet den Troll frei"}},
    {"bought", {"Kupione", "Bought", "Comprada", "Acquistata", "Achetée", "Koupeno", "Gekauft"}},
    {"disposepoints",
     {"Punkty do rozdania:", "Points to spend:", "Puntos por repartir:", "Punti da assegnare:",
      "Points à répartir:", "Body k rozdělení:", "Freie Punkte:"}},
    {"endofgame",
     {"Koniec gry!", "The game is over!", "¡Fin de la partida!", "La partita è finita!",
      "La partie est terminée\u00a0!", "Konec hry!", "Das Spiel ist vorbei!"}},
    {"yellowwins",
     {"Wygrywa strona żółta!", "The yellow side wins!", "¡Gana el bando amarillo!",
      "Vince la fazione gialla!", "Le camp jaune l'emporte\u00a0!", "Vítězí žlutá strana!",
      "Die gelbe Seite siegt!"}},
    {"bluewins",
     {"Wygrywa strona niebieska!", "The blue side wins!", "¡Gana el bando azul!",
      "Vince la fazione blu!", "Le camp bleu l'emporte\u00a0!", "Vítězí modrá strana!",
      "Die blaue Seite siegt!"}},

    // Message windows.
    {"great", {"Świetnie!", "Great!", "¡Genial!", "Ottimo!", "Super\u00a0!", "Skvělé!", "Prima!"}},
    {"foodfound",
     {"Twoja jednostka znalazła jedzenie i odzyskuje siły.",
      "Your unit has found food and regains some strength.",
      "Tu unidad ha encontrado comida y recupera fuerzas.",
      "La tua unità ha trovato del cibo e recupera le forze.",
      "Votre unité a trouvé de la nourriture et reprend des forces.",
      "Tvá jednotka našla jídlo a nabírá síly.",
      "Deine Einheit hat Proviant gefunden und kommt wieder zu Kräften."}},
    {"goldfound",
     {"Twoja jednostka znalazła złoto! Trafi ono do skarbca.",
      "Your unit has found gold! It goes to your treasury.",
      "¡Tu unidad ha encontrado oro! Irá a parar a tu tesoro.",
      "La tua unità ha trovato dell'oro! Finirà nel tesoro.",
      "Votre unité a trouvé de l'or\u00a0! Il ira dans votre trésor.",
      "Tvá jednotka našla zlato! Půjde do pokladnice.",
      "Deine Einheit hat Gold gefunden! Es wandert in die Schatzkammer."}},
    {"youch", {"Auć!", "Ouch!", "¡Ay!", "Ahia!", "Aïe\u00a0!", "Au!", "Autsch!"}},
    {"lavaburns",
     {"Lawa parzy! Twoja jednostka traci zdrowie.", "The lava burns! Your unit loses health.",
      "¡La lava quema! Tu unidad pierde salud.", "La lava brucia! La tua unità perde salute.",
      "La lave brûle\u00a0! Votre unité perd des points de vie.",
      "Láva pálí! Tvá jednotka ztrácí zdraví.",
      "Die Lava brennt! Deine Einheit verliert Lebenspunkte."}},
    {"herobuild",
     {"Narodził się bohater! Jego atak, obrona i zwinność mocno rosną.",
      "A hero is born! Its attack, defence and agility soar.",
      "¡Ha nacido un héroe! Su ataque, defensa y agilidad se disparan.",
      "È nato un eroe! Attacco, difesa e agilità aumentano molto.",
      "Un héros est né\u00a0! Son attaque, sa défense et son agilité s'envolent.",
      "Narodil se hrdina! Útok, obrana i obratnost výrazně rostou.",
      "Ein Held ist geboren! Angriff, Abwehr und Geschick steigen stark."}},
    {"reallyquit",
     {"Na pewno chcesz wyjść z gry? Niezapisane postępy przepadną.",
      "Do you really want to quit? Unsaved progress will be lost.",
      "¿Seguro que quieres salir? Se perderá el progreso no guardado.",
      "Vuoi davvero uscire? I progressi non salvati andranno persi.",
      "Vraiment quitter\u00a0? La partie non sauvegardée sera perdue.",
      "Opravdu chceš hru ukončit? Neuložený postup se ztratí.",
      "Wirklich beenden? Nicht gespeicherter Fortschritt geht verloren."}},
    {"ok", {"Tak", "Yes", "Sí", "Sì", "Oui", "Ano", "Ja"}},
    {"cancel", {"Anuluj", "Cancel", "Cancelar", "Annulla", "Annuler", "Zrušit", "Abbrechen"}},

    // Refused files and failed writes, each acknowledged with a button of its own. The game
    // puts the file's name and a colon before the reasons.
    {"acknowledge", {"OK", "OK", "Aceptar", "OK", "OK", "OK", "OK"}},
    {"errnochoice",
     {"nie wybrano pliku gry", "no game file was chosen", "no se ha elegido ninguna partida",
      "nessuna partita scelta", "aucune partie choisie", "nebyl vybrán soubor hry",
      "keine Spieldatei gewählt"}},
    {"erropen",
     {"brak pliku lub nie można go otworzyć", "the file is missing or cannot be opened",
      "el archivo no existe o no se puede abrir", "il file manca o non si può aprire",
      "le fichier manque ou ne peut pas être ouvert", "soubor chybí nebo nejde otevřít",
      "die Datei fehlt oder lässt sich nicht öffnen"}},
    {"errempty",
     {"plik jest pusty lub nieczytelny", "the file is empty or unreadable",
      "el archivo está vacío o es ilegible", "il file è vuoto o illeggibile",
      "le fichier est vide ou illisible", "soubor je prázdný nebo nečitelný",
      "die Datei ist leer oder unlesbar"}},
    {"errmapname",
     {"nazwa pliku mapy jest za długa", "the map file name is too long",
      "el nombre del archivo de mapa es demasiado largo", "il nome del file della mappa è troppo lungo",
      "le nom du fichier de carte est trop long", "název souboru mapy je příliš dlouhý",
      "der Name der Kartendatei ist zu lang"}},
    {"errheader",
     {"nagłówek pliku jest uszkodzony", "the header is damaged", "la cabecera está dañada",
      "l'intestazione è danneggiata", "l'en-tête est endommagé", "hlavička souboru je poškozená",
      "der Dateikopf ist beschädigt"}},
    {"errplayer",
     {"gracz na ruchu musi być 1 lub 2", "the player on turn must be 1 or 2",
      "el jugador en turno debe ser 1 o 2", "il giocatore di turno deve essere 1 o 2",
      "le joueur qui a la main doit être 1 ou 2", "hráč na tahu musí být 1 nebo 2",
      "der Spieler am Zug muss 1 oder 2 sein"}},
    {"errcastle",
     {"brakuje zamku jednej ze stron", "a castle of one side is missing",
      "falta el castillo de un bando", "manca il castello di una fazione",
      "il manque le château d'un camp", "chybí hrad jedné strany", "die Burg einer Seite fehlt"}},
    {"errnogame",
     {"nie ma gry do zapisania", "there is no game to save", "no hay ninguna partida que guardar",
      "non c'è nessuna partita da salvare", "il n'y a aucune partie à sauvegarder",
      "není co uložit", "es gibt kein Spiel zum Speichern"}},
    {"errsave",
     {"nie udało się zapisać gry; stary plik zostaje", "the game could not be written; the old file is kept",
      "no se pudo guardar la partida; se conserva el archivo anterior",
      "impossibile salvare la partita; resta il vecchio file",
      "la partie n'a pas pu être enregistrée\u00a0; l'ancien fichier reste",
      "hru nelze uložit; starý soubor zůstává",
      "das Spiel konnte nicht gespeichert werden; die alte Datei bleibt"}},
    {"langnotsaved",
     {"Nie można zapisać języka w config.cfg: obowiązuje do zamknięcia gry.",
      "The language could not be saved in config.cfg: it holds until the game is closed.",
      "No se pudo guardar el idioma en config.cfg: vale hasta cerrar el juego.",
      "Impossibile salvare la lingua in config.cfg: vale fino alla chiusura del gioco.",
      "Impossible d'enregistrer la langue dans config.cfg\u00a0: elle vaut jusqu'à la sortie.",
      "Jazyk nelze uložit do config.cfg: platí do zavření hry.",
      "Die Sprache ließ sich nicht in config.cfg speichern und gilt nur bis zum Beenden."}},
    {"errplayerdir",
     {"twój folder zapisów jest niedostępny; nic nie zostanie zapisane",
      "your folder for saved games cannot be written; nothing is saved",
      "no se puede escribir en tu carpeta de partidas; no se guardará nada",
      "la tua cartella dei salvataggi non è scrivibile; non verrà salvato nulla",
      "votre dossier de sauvegardes est inaccessible\u00a0; rien ne sera enregistré",
      "do tvé složky pro uložené hry nelze zapisovat; nic se neuloží",
      "dein Speicherordner ist nicht beschreibbar; nichts wird gespeichert"}},

    // What a slot of the load screen holds when it holds no game; the game writes the slot's
    // number and a colon before them.
    {"emptyslot", {"pusty", "empty", "vacía", "vuota", "vide", "prázdná", "leer"}},
    {"damagedslot",
     {"uszkodzony", "damaged", "dañada", "danneggiata", "endommagée", "poškozená", "beschädigt"}},

    // Unit names and descriptions for the information panel.
    {"robotnik",
     {"Robotnik - słaby w walce, ale tani. Stojąc przy swoim zamku, naprawia jego mury.",
      "Worker - weak in battle but cheap. Next to his castle he repairs its walls.",
      "Trabajador - débil en combate, pero barato. Junto a su castillo, repara las murallas.",
      "Operaio - debole in battaglia ma economico. Vicino al suo castello ne ripara le mura.",
      "Ouvrier - faible au combat mais bon marché. Près de son château, il en répare les murs.",
      "Dělník - slabý v boji, ale levný. U svého hradu opravuje jeho hradby.",
      "Arbeiter - schwach im Kampf, aber billig. Neben seiner Burg repariert er ihre Mauern."}},
    {"rycerz",
     {"Rycerz - trzon armii Dobra. Wytrzymały i zwinny, przyda się w każdej sytuacji.",
      "Knight - the backbone of the army of Good. Sturdy and nimble, fit for any task.",
      "Caballero - el pilar del ejército del Bien. Robusto y ágil, sirve para todo.",
      "Cavaliere - la spina dorsale dell'esercito del Bene. Solido e agile, adatto a tutto.",
      "Chevalier - le pilier de l'armée du Bien. Solide et agile, il est bon à tout.",
      "Rytíř - páteř armády Dobra. Odolný a obratný, hodí se na všechno.",
      "Ritter - das Rückgrat der Armee des Guten. Robust und wendig, für alles zu gebrauchen."}},
    {"lord",
     {"Lord - szlachetny wojownik w ciężkiej zbroi. Szybszy i silniejszy od rycerza.",
      "Lord - a noble warrior in heavy armour. Faster and stronger than a knight.",
      "Lord - un noble guerrero con armadura pesada. Más rápido y fuerte que un caballero.",
      "Lord - un nobile guerriero in armatura pesante. Più veloce e forte di un cavaliere.",
      "Seigneur - un noble guerrier en armure lourde. Plus rapide et plus fort qu'un chevalier.",
      "Lord - urozený válečník v těžké zbroji. Rychlejší a silnější než rytíř.",
      "Lord - ein edler Krieger in schwerer Rüstung. Schneller und stärker als ein Ritter."}},
    {"arcymag",
     {"Arcymag - mistrz czarnej magii. Razi z potężną siłą, lecz łatwo go zranić.",
      "Archmage - a master of dark magic. Strikes hard but is easily wounded.",
      "Archimago - maestro de la magia oscura. Golpea fuerte, pero es frágil.",
      "Arcimago - maestro della magia oscura. Colpisce duro, ma è fragile.",
      "Archimage - maître de la magie noire. Il frappe fort mais se blesse vite.",
      "Arcimág - mistr temné magie. Udeří velkou silou, ale snadno se zraní.",
      "Erzmagier - Meister der dunklen Magie. Trifft hart, ist aber leicht verwundbar."}},
    {"mag",
     {"Mag - władca żywiołów. Silny atak, słaba obrona: trzymaj go za linią wojsk.",
      "Mage - a master of the elements. Strong attack, weak defence: keep him behind the lines.",
      "Mago - señor de los elementos. Ataque fuerte, defensa débil: mantenlo en la retaguardia.",
      "Mago - signore degli elementi. Attacco forte, difesa debole: tienilo nelle retrovie.",
      "Mage - maître des éléments. Forte attaque, faible défense\u00a0: gardez-le à l'arrière.",
      "Mág - pán živlů. Silný útok, slabá obrana: drž ho za liniemi.",
      "Magier - Herr der Elemente. Starker Angriff, schwache Abwehr: Halte ihn hinter der Front."}},
    {"hydra",
     {"Hydra - wielogłowa bestia z bagien. Wytrzymała i groźna w ataku.",
      "Hydra - a many-headed beast of the marshes. Tough and dangerous in attack.",
      "Hidra - una bestia de muchas cabezas. Resistente y peligrosa al atacar.",
      "Idra - una bestia dalle molte teste. Resistente e pericolosa in attacco.",
      "Hydre - une bête à plusieurs têtes. Robuste et redoutable à l'attaque.",
      "Hydra - mnohohlavá bestie z bažin. Odolná a nebezpečná v útoku.",
      "Hydra - eine vielköpfige Bestie aus den Sümpfen. Zäh und gefährlich im Angriff."}},
    {"archaniol",
     {"Archanioł - niebiański obrońca Dobra. Najpotężniejsza jednostka niebieskich.",
      "Archangel - the heavenly guardian of Good. The mightiest unit of the blue side.",
      "Arcángel - guardián celestial del Bien. La unidad más poderosa del bando azul.",
      "Arcangelo - custode celeste del Bene. L'unità più potente dei blu.",
      "Archange - gardien céleste du Bien. L'unité la plus puissante du camp bleu.",
      "Archanděl - nebeský strážce Dobra. Nejmocnější jednotka modrých.",
      "Erzengel - der himmlische Wächter des Guten. Die mächtigste Einheit der Blauen."}},
    {"smok",
     {"Smok - ziejący ogniem potwór. Wytrzymały i groźny w ataku.",
      "Dragon - a fire-breathing monster. Tough and dangerous in attack.",
      "Dragón - un monstruo que escupe fuego. Resistente y peligroso al atacar.",
      "Drago - un mostro sputafuoco. Resistente e pericoloso in attacco.",
      "Dragon - un monstre cracheur de feu. Robuste et redoutable à l'attaque.",
      "Drak - oheň chrlící netvor. Odolný a nebezpečný v útoku.",
      "Drache - ein feuerspeiendes Ungeheuer. Zäh und gefährlich im Angriff."}},
    {"trol",
     {"Troll - olbrzym z gór. Najpotężniejsza jednostka żółtych.",
      "Troll - a giant from the mountains. The mightiest unit of the yellow side.",
      "Trol - un gigante de las montañas. La unidad más poderosa del bando amarillo.",
      "Troll - un gigante delle montagne. L'unità più potente dei gialli.",
      "Troll - un géant des montagnes. L'unité la plus puissante du camp jaune.",
      "Troll - obr z hor. Nejmocnější jednotka žlutých.",
      "Troll - ein Riese aus den Bergen. Die mächtigste Einheit der Gelben."}},
    {"ciemny_rycerz",
     {"Mroczny rycerz - trzon armii Zła. Wytrzymały i zwinny, przyda się w każdej sytuacji.",
      "Dark Knight - the backbone of the army of Evil. Sturdy and nimble, fit for any task.",
      "Caballero oscuro - el pilar del ejército del Mal. Robusto y ágil, sirve para todo.",
      "Cavaliere oscuro - la spina dorsale dell'esercito del Male. Solido e agile.",
      "Chevalier noir - le pilier de l'armée du Mal. Solide et agile, il est bon à tout.",
      "Temný rytíř - páteř armády Zla. Odolný a obratný, hodí se na všechno.",
      "Dunkler Ritter - das Rückgrat der Armee des Bösen. Robust und wendig."}},
    {"kula_ognista",
     {"Ognista kula - żywy płomień. Szybka i silna w ataku.",
      "Fireball - a living flame. Fast and strong in attack.",
      "Bola de fuego - una llama viviente. Rápida y fuerte al atacar.",
      "Palla di fuoco - una fiamma vivente. Veloce e forte in attacco.",
      "Boule de feu - une flamme vivante. Rapide et puissante à l'attaque.",
      "Ohnivá koule - živý plamen. Rychlá a silná v útoku.",
      "Feuerball - eine lebende Flamme. Schnell und stark im Angriff."}},
    {"white_fort",
     {"Biały zamek - siedziba niebieskich. Tu pojawiają się nowe jednostki. Jego upadek kończy grę.",
      "White Castle - home of the blue side. New units appear here. If it falls, the game is lost.",
      "Castillo blanco - hogar del bando azul. Aquí aparecen las unidades nuevas. Si cae, se pierde la partida.",
      "Castello bianco - casa dei blu. Qui compaiono le nuove unità. Se cade, la partita è persa.",
      "Château blanc - foyer du camp bleu. Les nouvelles unités y apparaissent. S'il tombe, la partie est perdue.",
      "Bílý hrad - sídlo modrých. Zde se objevují nové jednotky. Jeho pádem hra končí.",
      "Weiße Burg - Sitz der Blauen. Hier erscheinen neue Einheiten. Fällt sie, ist das Spiel verloren."}},
    {"dark_fort",
     {"Mroczny zamek - siedziba żółtych. Tu pojawiają się nowe jednostki. Jego upadek kończy grę.",
      "Dark Castle - home of the yellow side. New units appear here. If it falls, the game is lost.",
      "Castillo oscuro - hogar del bando amarillo. Aquí aparecen las unidades nuevas. Si cae, se pierde la partida.",
      "Castello oscuro - casa dei gialli. Qui compaiono le nuove unità. Se cade, la partita è persa.",
      "Château noir - foyer du camp jaune. Les nouvelles unités y apparaissent. S'il tombe, la partie est perdue.",
      "Temný hrad - sídlo žlutých. Zde se objevují nové jednotky. Jeho pádem hra končí.",
      "Dunkle Burg - Sitz der Gelben. Hier erscheinen neue Einheiten. Fällt sie, ist das Spiel verloren."}},
    {"wieza",
     {"Wieża - strzela do wrogów. Nie rusza się z miejsca, ale można ją zdobyć.",
      "Tower - shoots at enemies. It never moves and can be captured.",
      "Torre - dispara a los enemigos. No se mueve y puede ser capturada.",
      "Torre - colpisce i nemici. Non si muove e può essere conquistata.",
      "Tour - tire sur les ennemis. Elle ne bouge pas et peut être prise.",
      "Věž - střílí na nepřátele. Nehýbe se a lze ji dobýt.",
      "Turm - beschießt Feinde. Er bewegt sich nie und kann erobert werden."}},
    {"miasto",
     {"Miasto - daje 10 sztuk złota co turę, a obok niego można leczyć oddziały. Można je zdobyć.",
      "Town - brings 10 gold every turn, and units next to it can be healed. It can be captured.",
      "Ciudad - da 10 de oro cada turno, y a su lado se curan las unidades. Puede ser capturada.",
      "Città - rende 10 oro a turno, e accanto a essa si curano le unità. Può essere conquistata.",
      "Ville - rapporte 10 or par tour, et l'on y soigne les unités voisines. Elle peut être prise.",
      "Město - přináší 10 zlata za tah a u něj lze léčit jednotky. Lze ho dobýt.",
      "Stadt - bringt 10 Gold pro Zug, und daneben lassen sich Einheiten heilen. Sie kann erobert werden."}},

    // Information panel labels, each followed by a number.
    {"moves", {"Ruch:", "Moves:", "Mov.:", "Mosse:", "Dépl.:", "Pohyb:", "Bew.:"}},
    {"attack", {"Atak:", "Attack:", "Ataque:", "Attacco:", "Attaque:", "Útok:", "Angriff:"}},
    {"defense", {"Obrona:", "Defence:", "Defensa:", "Difesa:", "Défense:", "Obrana:", "Abwehr:"}},
    {"agility", {"Zwinność:", "Agility:", "Agilidad:", "Agilità:", "Agilité:", "Obratnost:", "Geschick:"}},
    {"level", {"Poziom:", "Level:", "Nivel:", "Livello:", "Niveau:", "Úroveň:", "Stufe:"}},
    {"experience", {"Doświadcz.:", "Experience:", "Experiencia:", "Esperienza:", "Expérience:", "Zkušenost:", "Erfahrung:"}},
    {"cost", {"Koszt:", "Cost:", "Coste:", "Costo:", "Prix:", "Cena:", "Preis:"}},

    // The computer player's strength, chosen on the options screen.
    {"aiclassic",
     {"Poziom: klasyczny", "Level: classic", "Nivel: clásico", "Livello: classico",
      "IA classique", "Úroveň: klasická", "Stärke: klassisch"}},
    {"aistrong",
     {"Poziom: silny", "Level: strong", "Nivel: fuerte", "Livello: forte", "IA forte",
      "Úroveň: silná", "Stärke: stark"}},

    // Refused game and map files, shown after the file's name.
    {"filenotregular",
     {"to nie jest zwykły plik", "this is not an ordinary file", "no es un archivo normal",
      "non è un file normale", "ce n'est pas un fichier ordinaire", "není to obyčejný soubor",
      "keine gewöhnliche Datei"}},
    {"mapunreadable",
     {"mapa jest pusta, uszkodzona lub jej brak", "the map is missing, empty or damaged",
      "el mapa falta, está vacío o dañado", "la mappa manca, è vuota o danneggiata",
      "la carte est absente, vide ou abîmée", "mapa chybí, je prázdná nebo poškozená",
      "die Karte fehlt, ist leer oder beschädigt"}},
    {"hournotnumber",
     {"godzina gry nie jest liczbą", "the hour of the day is not a number",
      "la hora del día no es un número", "l'ora del giorno non è un numero",
      "l'heure du jour n'est pas un nombre", "hodina dne není číslo",
      "die Uhrzeit ist keine Zahl"}},

    // The information screen: how to play, a title and six paragraphs laid out in pages,
    // and the button that turns the page.
    {"howtotitle",
     {"Jak grać", "How to play", "Cómo jugar", "Come si gioca", "Comment jouer", "Jak hrát",
      "Spielanleitung"}},
    {"howto1",
     {"Jednostki. Kliknij lewym przyciskiem swoją jednostkę, aby ją wybrać: podświetlą się "
      "pola, do których dojdzie. Prawym przyciskiem wskaż podświetlone pole, by ją tam "
      "przenieść, albo wroga tuż obok, by go zaatakować. Przez wodę nie da się przejść.",
      "Units. Left-click one of your units to select it: the fields it can reach light up. "
      "Right-click a lit field to move there, or an enemy right next to it to attack. Water "
      "cannot be crossed.",
      "Unidades. Haz clic izquierdo en una de tus unidades para elegirla: se iluminan las "
      "casillas a las que llega. Con clic derecho en una casilla iluminada va allí; sobre un "
      "enemigo contiguo, lo ataca. El agua no se puede cruzar.",
      "Unità. Fai clic sinistro su una tua unità per selezionarla: si illuminano le caselle "
      "che può raggiungere. Con il clic destro su una casella illuminata ci va; su un nemico "
      "accanto, lo attacca. L'acqua non si può attraversare.",
      "Unités. Un clic gauche sur l'une de vos unités la sélectionne\u00a0: les cases qu'elle "
      "peut atteindre s'allument. Un clic droit sur une case allumée l'y envoie\u00a0; sur un "
      "ennemi voisin, elle l'attaque. L'eau ne se traverse pas.",
      "Jednotky. Kliknutím levým tlačítkem vybereš svou jednotku: rozsvítí se pole, kam "
      "dojde. Pravým tlačítkem na rozsvícené pole ji tam pošleš, na sousedního nepřítele s ní "
      "zaútočíš. Vodu nelze překročit.",
      "Einheiten. Ein Linksklick auf eine deiner Einheiten wählt sie aus: Die Felder, die sie "
      "erreicht, leuchten auf. Mit einem Rechtsklick auf ein leuchtendes Feld zieht sie "
      "dorthin, mit einem auf einen benachbarten Feind greift sie ihn an. Wasser ist "
      "unpassierbar."}},
    {"howto2",
     {"Walka. W każdej walce ciosy zadają obie strony. Las i góry wzmacniają obronę, lawa ją "
      "osłabia, pomaga też sojusznik obok. Niebiescy walczą lepiej za dnia (od 9 do 19), żółci "
      "nocą. Każda tura przesuwa zegar o pół godziny.",
      "Fights. Both sides strike in every fight. Forests and mountains strengthen defence, "
      "lava weakens it, and a friend alongside helps. Blue fights better by day (9 to 19 "
      "o'clock), yellow by night. Each turn moves the clock on half an hour.",
      "Combate. En cada combate golpean los dos bandos. El bosque y la montaña refuerzan la "
      "defensa, la lava la debilita y un aliado al lado ayuda. El azul lucha mejor de día (de "
      "9 a 19 h), el amarillo de noche. Cada turno adelanta el reloj media hora.",
      "Combattimento. In ogni scontro colpiscono entrambe le parti. Foreste e montagne "
      "rafforzano la difesa, la lava la indebolisce e un alleato vicino aiuta. I blu "
      "combattono meglio di giorno (dalle 9 alle 19), i gialli di notte. Ogni turno manda "
      "avanti l'orologio di mezz'ora.",
      "Combat. À chaque combat, les deux camps frappent. La forêt et la montagne renforcent "
      "la défense, la lave l'affaiblit, et un allié voisin aide. Le bleu se bat mieux le jour "
      "(de 9\u00a0h à 19\u00a0h), le jaune la nuit. Chaque tour avance l'horloge d'une "
      "demi-heure.",
      "Boj. V každém boji útočí obě strany. Les a hory posilují obranu, láva ji oslabuje a "
      "pomáhá i spojenec vedle. Modří bojují lépe ve dne (od 9 do 19 hodin), žlutí v noci. "
      "Každý tah posune hodiny o půl hodiny.",
      "Kampf. In jedem Kampf schlagen beide Seiten zu. Wald und Gebirge stärken die Abwehr, "
      "Lava schwächt sie, und ein Verbündeter daneben hilft. Blau kämpft am Tag besser (von 9 "
      "bis 19 Uhr), Gelb in der Nacht. Jeder Zug stellt die Uhr eine halbe Stunde vor."}},
    {"howto3",
     {"Miasta i wieże. Nie niszczy się ich, lecz zdobywa. Wieże ostrzeliwują wrogów. Na "
      "koniec tury dostajesz 25 sztuk złota i po 10 za każde swoje miasto. W górach można "
      "znaleźć złoto, w lasach jedzenie.",
      "Towns and towers. They are captured, never destroyed. Towers fire at enemies. At the "
      "end of your turn you earn 25 gold and 10 more for every town you hold. Mountains may "
      "hide gold, forests food.",
      "Ciudades y torres. No se destruyen: se conquistan. Las torres disparan a los enemigos. "
      "Al final de tu turno ganas 25 de oro y 10 más por cada ciudad tuya. En las montañas "
      "puede haber oro, y en los bosques, comida.",
      "Città e torri. Non si distruggono: si conquistano. Le torri sparano ai nemici. Alla "
      "fine del tuo turno ricevi 25 oro più 10 per ogni città che possiedi. Sulle montagne si "
      "trova oro, nelle foreste cibo.",
      "Villes et tours. On ne les détruit pas, on les prend. Les tours tirent sur les "
      "ennemis. À la fin de votre tour, vous recevez 25 or, plus 10 par ville que vous tenez. "
      "La montagne cache parfois de l'or, la forêt de quoi manger.",
      "Města a věže. Nelze je zničit, jen dobýt. Věže střílejí na nepřátele. Na konci tahu "
      "dostaneš 25 zlata a 10 navíc za každé své město. V horách se dá najít zlato, v lesích "
      "jídlo.",
      "Städte und Türme. Sie werden nicht zerstört, sondern erobert. Türme beschießen Feinde. "
      "Am Ende deines Zuges bekommst du 25 Gold und 10 mehr für jede deiner Städte. In den "
      "Bergen findet sich Gold, im Wald Proviant."}},
    {"howto4",
     {"Leczenie, naprawa, trening. Ranną jednostkę obok swojego zamku lub miasta uleczysz za "
      "złoto. Robotnik obok zamku naprawia jego mury. Przy zamku jednostki trenują; każdy "
      "nowy poziom daje 10 punktów na atak, obronę lub zwinność.",
      "Healing, repair, training. Next to your castle or one of your towns a wounded unit can "
      "be healed for gold. A worker next to the castle repairs its walls. Units train next to "
      "the castle; each new level gives 10 points for attack, defence or agility.",
      "Curar, reparar, entrenar. Junto a tu castillo o a una de tus ciudades, una unidad "
      "herida se cura pagando oro. Un trabajador junto al castillo repara sus murallas. Junto "
      "al castillo se entrena; cada nivel nuevo da 10 puntos para ataque, defensa o agilidad.",
      "Cure, riparazioni, addestramento. Accanto al tuo castello o a una tua città un'unità "
      "ferita si cura pagando oro. Un operaio accanto al castello ne ripara le mura. Accanto "
      "al castello ci si addestra; ogni nuovo livello dà 10 punti per attacco, difesa o "
      "agilità.",
      "Soins, réparation, entraînement. À côté de votre château ou d'une de vos villes, une "
      "unité blessée se soigne contre de l'or. Un ouvrier à côté du château en répare les "
      "murs. On s'entraîne à côté du château\u00a0; chaque niveau donne 10 points d'attaque, "
      "de défense ou d'agilité.",
      "Léčení, opravy, výcvik. U svého hradu nebo města vyléčíš zraněnou jednotku za zlato. "
      "Dělník u hradu opravuje jeho hradby. U hradu se jednotky cvičí; každá nová úroveň dá "
      "10 bodů na útok, obranu nebo obratnost.",
      "Heilen, Reparieren, Trainieren. Neben deiner Burg oder einer deiner Städte lässt sich "
      "eine verwundete Einheit für Gold heilen. Ein Arbeiter neben der Burg repariert ihre "
      "Mauern. Neben der Burg wird trainiert; jede neue Stufe bringt 10 Punkte für Angriff, "
      "Abwehr oder Geschick."}},
    {"howto5",
     {"Sklepy. Pod przyciskiem Kup są nowe jednostki, które pojawiają się w zamku (czasem "
      "jako bohaterowie), i technologie dające silniejsze oddziały. Przycisk Koniec tury "
      "oddaje ruch przeciwnikowi. Gra kończy się, gdy padnie zamek.",
      "Shops. Buy offers new units, which appear in your castle (now and then as heroes), and "
      "technologies that unlock stronger ones. End turn hands the play to the other side. The "
      "game ends when a castle falls.",
      "Tiendas. En Comprar hay unidades nuevas, que aparecen en tu castillo (a veces como "
      "héroes), y tecnologías que desbloquean unidades más fuertes. Terminar turno cede el "
      "juego al otro bando. La partida acaba cuando cae un castillo.",
      "Negozi. Con Compra ottieni nuove unità, che compaiono nel castello (a volte come "
      "eroi), e tecnologie che sbloccano unità più forti. Fine turno passa la mano all'altra "
      "fazione. La partita finisce quando cade un castello.",
      "Boutiques. Acheter propose de nouvelles unités, qui apparaissent dans votre château "
      "(parfois en héros), et des technologies qui en débloquent de plus fortes. Fin du tour "
      "passe la main à l'autre camp. La partie s'achève quand un château tombe.",
      "Obchody. Pod tlačítkem Koupit jsou nové jednotky, které se objeví ve tvém hradu "
      "(občas jako hrdinové), a technologie, jež odemykají silnější jednotky. Konec tahu "
      "předá hru druhé straně. Hra končí pádem hradu.",
      "Läden. Unter Kaufen gibt es neue Einheiten, die in deiner Burg erscheinen (manchmal "
      "als Helden), und Technologien, die stärkere Einheiten freischalten. Zug beenden übergibt an die "
      "andere Seite. Das Spiel endet, wenn eine Burg fällt."}},
    {"howto6",
     {"Klawisze. 1-9 wybierają utwór, Z przechodzi do następnego, 0 przywraca muzykę bitwy. "
      "Q-I malują teren pod kursorem, S zapisuje mapę. Kursor przy krawędzi ekranu przewija "
      "mapę.",
      "Keys. 1 to 9 choose a music track, Z skips to the next, 0 brings back the battle "
      "music. Q to I paint the field under the pointer, S saves the map. The pointer at a "
      "screen edge scrolls the map.",
      "Teclas. Del 1 al 9 eligen la música, Z pasa a la pieza siguiente y 0 devuelve la "
      "música de batalla. De Q a I pintan la casilla bajo el puntero y S guarda el mapa. El "
      "puntero en el borde de la pantalla desplaza el mapa.",
      "Tasti. Da 1 a 9 scegli la musica, Z passa al brano successivo, 0 riporta la musica di "
      "battaglia. Da Q a I dipingi la casella sotto il puntatore, S salva la mappa. Il "
      "puntatore sul bordo dello schermo fa scorrere la mappa.",
      "Touches. 1 à 9 choisissent la musique, Z passe au morceau suivant, 0 rétablit la "
      "musique de bataille. Q à I peignent la case sous le pointeur, S enregistre la carte. "
      "Le pointeur au bord de l'écran fait défiler la carte.",
      "Klávesy. 1 až 9 vybírají hudbu, Z přeskočí na další skladbu, 0 vrátí bitevní hudbu. "
      "Q až I malují pole pod kurzorem, S uloží mapu. Kurzor u okraje obrazovky posouvá "
      "mapu.",
      "Tasten. 1 bis 9 wählen die Musik, Z springt zum nächsten Stück, 0 holt die "
      "Schlachtmusik zurück. Q bis I bemalen das Feld unter dem Zeiger, S speichert die "
      "Karte. Der Zeiger am Bildschirmrand schiebt die Karte weiter."}},
    {"nextpage", {"Dalej", "Next", "Siguiente", "Avanti", "Suite", "Dále", "Weiter"}},
};

// The six main-menu buttons: their sections, labels and places (the same in every language:
// a column on the menu panel, 30 px apart).
struct przycisk_menu {
  const char* sekcja;
  int x, y;
  const char* napis[LICZBA_JEZYKOW];
};

const przycisk_menu PRZYCISKI[] = {
    {"button_nowagra", 678, 320,
     {"Nowa gra", "New game", "Nueva partida", "Nuova partita", "Nouvelle partie", "Nová hra", "Neues Spiel"}},
    {"button_wczytajmape", 678, 350,
     {"Wybierz mapę", "Choose map", "Elegir mapa", "Scegli mappa", "Choisir la carte", "Vybrat mapu", "Karte wählen"}},
    {"button_wczytajgre", 678, 380,
     {"Wczytaj grę", "Load game", "Cargar partida", "Carica partita", "Charger une partie", "Nahrát hru", "Spiel laden"}},
    {"button_opcje", 678, 410,
     {"Opcje", "Options", "Opciones", "Opzioni", "Options", "Možnosti", "Optionen"}},
    {"button_info", 678, 440,
     {"Jak grać", "How to play", "Cómo jugar", "Come si gioca", "Comment jouer", "Jak hrát", "Anleitung"}},
    {"button_wyjscie", 678, 470,
     {"Wyjście", "Exit", "Salir", "Esci", "Quitter", "Konec", "Beenden"}},
};

std::string zawartosc_jezyka(int j) {
  std::string s = "# ";
  s += NAZWY_JEZYKOW[j];
  s += " texts of the game, in UTF-8.\n\n[teksty]\n";
  for (const wpis& w : TEKSTY) {
    s += w.klucz;
    s += " = ";
    s += w.tekst[j];
    s += "\n";
  }
  for (const przycisk_menu& p : PRZYCISKI) {
    char linia[160];
    std::snprintf(linia, sizeof linia, "\n[%s]\nnapis = %s\nx = %d\ny = %d\n", p.sekcja,
                  p.napis[j], p.x, p.y);
    s += linia;
  }
  return s;
}

bool zapisz(const std::string& sciezka, const std::string& dane) {
  std::FILE* f = std::fopen(sciezka.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "gen_teksty: cannot write %s\n", sciezka.c_str());
    return false;
  }
  bool ok = std::fwrite(dane.data(), 1, dane.size(), f) == dane.size();
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) std::fprintf(stderr, "gen_teksty: write error in %s\n", sciezka.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_teksty OUTPUT_ROOT\n");
    return 2;
  }
  std::string korzen = argv[1];
  bool ok = true;
  for (int j = 0; j < LICZBA_JEZYKOW; ++j) ok = zapisz(korzen + "/" + PLIKI[j], zawartosc_jezyka(j)) && ok;
  ok = zapisz(korzen + "/config.cfg", "[General]\nlanguage = ENGLISH\n") && ok;
  return ok ? 0 : 1;
}
