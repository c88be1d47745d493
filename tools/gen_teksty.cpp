// Writes the seven language files (gm_*.cfg) and the settings file config.cfg into the
// output root given as the only argument. Every text is plain ASCII because the game's font
// covers characters 32..126 only; accents are left out the way native readers accept.
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
    {"powrot", {"Powrot", "Back", "Volver", "Indietro", "Retour", "Zpet", "Zurueck"}},
    {"save1", {"Zapis 1", "Slot 1", "Partida 1", "Partita 1", "Partie 1", "Pozice 1", "Spielstand 1"}},
    {"save2", {"Zapis 2", "Slot 2", "Partida 2", "Partita 2", "Partie 2", "Pozice 2", "Spielstand 2"}},
    {"save3", {"Zapis 3", "Slot 3", "Partida 3", "Partita 3", "Partie 3", "Pozice 3", "Spielstand 3"}},
    {"save4", {"Zapis 4", "Slot 4", "Partida 4", "Partita 4", "Partie 4", "Pozice 4", "Spielstand 4"}},
    {"save5", {"Zapis 5", "Slot 5", "Partida 5", "Partita 5", "Partie 5", "Pozice 5", "Spielstand 5"}},
    {"soundon", {"Dzwiek: tak", "Sound: on", "Sonido: si", "Suono: si", "Son : oui", "Zvuk: zapnuty", "Ton: an"}},
    {"soundoff", {"Dzwiek: nie", "Sound: off", "Sonido: no", "Suono: no", "Son : non", "Zvuk: vypnuty", "Ton: aus"}},
    {"aigood", {"SI: Dobro", "AI: Good", "IA: Bien", "IA: Bene", "IA : Bien", "AI: Dobro", "KI: Gut"}},
    {"aievil", {"SI: Zlo", "AI: Evil", "IA: Mal", "IA: Male", "IA : Mal", "AI: Zlo", "KI: Boese"}},
    {"aioff", {"SI: brak", "AI: Off", "IA: ninguna", "IA: nessuna", "IA : aucune", "AI: vypnuta", "KI: aus"}},
    {"build",
     {"Wersja 1.0, kompilacja %d", "Version 1.0, build %d", "Version 1.0, compilacion %d",
      "Versione 1.0, build %d", "Version 1.0, build %d", "Verze 1.0, sestaveni %d",
      "Version 1.0, Build %d"}},

    // Command panel and in-game menu.
    {"endturn", {"Koniec tury", "End turn", "Fin de turno", "Fine turno", "Fin du tour", "Konec tahu", "Zug beenden"}},
    {"options", {"Opcje", "Options", "Opciones", "Opzioni", "Options", "Moznosti", "Optionen"}},
    {"heal", {"Lecz", "Heal", "Curar", "Cura", "Soigner", "Lecit", "Heilen"}},
    {"repair", {"Napraw", "Repair", "Reparar", "Ripara", "Reparer", "Opravit", "Reparieren"}},
    {"training", {"Trenuj", "Train", "Entrenar", "Addestra", "Entrainer", "Trenovat", "Trainieren"}},
    {"exit", {"Wyjdz z gry", "Quit game", "Salir", "Esci", "Quitter", "Ukoncit hru", "Beenden"}},
    {"buy", {"Kup", "Buy", "Comprar", "Compra", "Acheter", "Koupit", "Kaufen"}},
    {"next", {"Nastepny", "Next", "Siguiente", "Successivo", "Suivant", "Dalsi", "Weiter"}},
    {"previous", {"Poprzedni", "Previous", "Anterior", "Precedente", "Precedent", "Predchozi", "Vorheriger"}},
    {"raiseattack", {"+1 Atak", "+1 Attack", "+1 Ataque", "+1 Attacco", "+1 Attaque", "+1 Utok", "+1 Angriff"}},
    {"raisedefense", {"+1 Obrona", "+1 Defence", "+1 Defensa", "+1 Difesa", "+1 Defense", "+1 Obrana", "+1 Abwehr"}},
    {"raiseagility", {"+1 Zwinnosc", "+1 Agility", "+1 Agilidad", "+1 Agilita", "+1 Agilite", "+1 Obratnost", "+1 Geschick"}},
    {"buyunit", {"Jednostki", "Units", "Unidades", "Unita", "Unites", "Jednotky", "Einheiten"}},
    {"buytechnology", {"Technologie", "Technologies", "Tecnologias", "Tecnologie", "Technologies", "Technologie", "Technologien"}},
    {"notavaiable", {"Niedostepne", "Not available", "No disponible", "Bloccata", "Indisponible", "Nedostupne", "Gesperrt"}},
    {"technology1", {"Platnerstwo", "Weaponry", "Armeria", "Armeria", "Armurerie", "Zbrojirstvi", "Waffenkunde"}},
    {"technology2", {"Magia", "Sorcery", "Hechiceria", "Stregoneria", "Sorcellerie", "Magie", "Zauberei"}},
    {"technology3", {"Bestiariusz", "Beast lore", "Bestias", "Bestiario", "Bestiaire", "Bestiar", "Bestienkunde"}},
    {"technology4", {"Legendy", "Legends", "Leyendas", "Leggende", "Legendes", "Legendy", "Legenden"}},
    {"allows1",
     {"1000 zlota - pozwala werbowac Lordow", "1000 gold - lets you recruit the Lord",
      "1000 de oro - permite reclutar Lores", "1000 oro - permette di reclutare il Lord",
      "1000 or - permet de recruter le Seigneur", "1000 zlata - umozni najmout Lorda",
      "1000 Gold - erlaubt den Lord"}},
    {"allows2",
     {"2000 zlota - pozwala werbowac Magow", "2000 gold - lets you recruit the Mage",
      "2000 de oro - permite reclutar Magos", "2000 oro - permette di reclutare il Mago",
      "2000 or - permet de recruter le Mage", "2000 zlata - umozni najmout Maga",
      "2000 Gold - erlaubt den Magier"}},
    {"allows3",
     {"4000 zlota - pozwala werbowac Hydry", "4000 gold - lets you recruit the Hydra",
      "4000 de oro - permite reclutar Hidras", "4000 oro - permette di reclutare l'Idra",
      "4000 or - permet de recruter l'Hydre", "4000 zlata - umozni najmout Hydru",
      "4000 Gold - erlaubt die Hydra"}},
    {"allows4",
     {"8000 zlota - pozwala werbowac Archaniolow", "8000 gold - lets you recruit the Archangel",
      "8000 de oro - permite reclutar Arcangeles", "8000 oro - permette di reclutare l'Arcangelo",
      "8000 or - permet de recruter l'Archange", "8000 zlata - umozni najmout Archandela",
      "8000 Gold - erlaubt den Erzengel"}},
    {"allows5",
     {"1000 zlota - pozwala tworzyc Ogniste kule", "1000 gold - lets you summon the Fireball",
      "1000 de oro - permite invocar Bolas de fuego", "1000 oro - permette di evocare la Palla di fuoco",
      "1000 or - permet d'invoquer la Boule de feu", "1000 zlata - umozni vyvolat Ohnivou kouli",
      "1000 Gold - erlaubt den Feuerball"}},
    {"allows6",
     {"2000 zlota - pozwala werbowac Arcymagow", "2000 gold - lets you recruit the Archmage",
      "2000 de oro - permite reclutar Archimagos", "2000 oro - permette di reclutare l'Arcimago",
      "2000 or - permet de recruter l'Archimage", "2000 zlata - umozni najmout Arcimaga",
      "2000 Gold - erlaubt den Erzmagier"}},
    {"allows7",
     {"4000 zlota - pozwala hodowac Smoki", "4000 gold - lets you raise the Dragon",
      "4000 de oro - permite criar Dragones", "4000 oro - permette di allevare il Drago",
      "4000 or - permet d'elever le Dragon", "4000 zlata - umozni chovat Draky",
      "4000 Gold - erlaubt den Drachen"}},
    {"allows8",
     {"8000 zlota - pozwala werbowac Trolle", "8000 gold - lets you recruit the Troll",
      "8000 de oro - permite reclutar Trols", "8000 oro - permette di reclutare il Troll",
      "8000 or - permet de recruter le Troll", "8000 zlata - umozni najmout Trolla",
      "8000 Gold - erlaubt den Troll"}},
    {"bought", {"Kupione", "Bought", "Comprada", "Acquistata", "Achetee", "Koupeno", "Gekauft"}},
    {"disposepoints",
     {"Punkty do rozdania:", "Points to spend:", "Puntos por repartir:", "Punti da assegnare:",
      "Points a repartir:", "Body k rozdeleni:", "Freie Punkte:"}},
    {"endofgame",
     {"Koniec gry!", "The game is over!", "Fin de la partida!", "La partita e finita!",
      "La partie est terminee !", "Konec hry!", "Das Spiel ist vorbei!"}},
    {"yellowwins",
     {"Wygrywa strona zolta!", "The yellow side wins!", "Gana el bando amarillo!",
      "Vince la fazione gialla!", "Le camp jaune l'emporte !", "Vitezi zluta strana!",
      "Die gelbe Seite siegt!"}},
    {"bluewins",
     {"Wygrywa strona niebieska!", "The blue side wins!", "Gana el bando azul!",
      "Vince la fazione blu!", "Le camp bleu l'emporte !", "Vitezi modra strana!",
      "Die blaue Seite siegt!"}},

    // Message windows.
    {"great", {"Super!", "Great!", "Genial!", "Ottimo!", "Super !", "Skvele!", "Prima!"}},
    {"foodfound",
     {"Twoja jednostka znalazla jedzenie i odzyskuje sily.",
      "Your unit has found food and regains some strength.",
      "Tu unidad ha encontrado comida y recupera fuerzas.",
      "La tua unita ha trovato del cibo e recupera le forze.",
      "Votre unite a trouve de la nourriture et reprend des forces.",
      "Tva jednotka nasla jidlo a nabira sily.",
      "Deine Einheit hat Essen gefunden und kommt zu Kraeften."}},
    {"goldfound",
     {"Twoja jednostka znalazla zloto! Trafi ono do skarbca.",
      "Your unit has found gold! It goes to your treasury.",
      "Tu unidad ha encontrado oro! Ira a tu tesoro.",
      "La tua unita ha trovato dell'oro! Finira nel tesoro.",
      "Votre unite a trouve de l'or ! Il rejoint votre tresor.",
      "Tva jednotka nasla zlato! Pujde do pokladny.",
      "Deine Einheit hat Gold gefunden! Es geht in die Schatzkammer."}},
    {"youch", {"Auc!", "Ouch!", "Ay!", "Ahi!", "Aie !", "Au!", "Autsch!"}},
    {"lavaburns",
     {"Lawa parzy! Twoja jednostka traci zdrowie.", "The lava burns! Your unit loses health.",
      "La lava quema! Tu unidad pierde salud.", "La lava brucia! La tua unita perde salute.",
      "La lave brule ! Votre unite perd de la vie.", "Lava pali! Tva jednotka ztraci zdravi.",
      "Die Lava brennt! Deine Einheit verliert Leben."}},
    {"herobuild",
     {"Narodzil sie bohater! Atak, obrona i zwinnosc mocno rosna.",
      "A hero is born! Its attack, defence and agility soar.",
      "Ha nacido un heroe! Su ataque, defensa y agilidad aumentan mucho.",
      "E nato un eroe! Attacco, difesa e agilita aumentano molto.",
      "Un heros est ne ! Attaque, defense et agilite augmentent.",
      "Narodil se hrdina! Utok, obrana a obratnost vyrazne rostou.",
      "Ein Held ist geboren! Seine Werte steigen stark."}},
    {"reallyquit",
     {"Na pewno chcesz wyjsc z gry? Niezapisane postepy przepadna.",
      "Do you really want to quit? Unsaved progress will be lost.",
      "Seguro que quieres salir? Se perdera el progreso no guardado.",
      "Vuoi davvero uscire? I progressi non salvati andranno persi.",
      "Vraiment quitter ? La partie non sauvegardee sera perdue.",
      "Opravdu chces hru ukoncit? Neulozeny postup se ztrati.",
      "Wirklich beenden? Nicht gespeicherter Fortschritt geht verloren."}},
    {"ok", {"Tak", "Yes", "Si", "Si", "Oui", "Ano", "Ja"}},
    {"cancel", {"Anuluj", "Cancel", "Cancelar", "Annulla", "Annuler", "Zrusit", "Abbrechen"}},

    // Refused files and failed writes, each acknowledged with a button of its own. The game
    // puts the file's name and a colon before the reasons.
    {"acknowledge", {"OK", "OK", "Aceptar", "OK", "OK", "OK", "OK"}},
    {"errnochoice",
     {"nie wybrano pliku gry", "no game file was chosen", "no se ha elegido ninguna partida",
      "nessuna partita scelta", "aucune partie choisie", "nebyl vybran soubor hry",
      "keine Spieldatei gewaehlt"}},
    {"erropen",
     {"brak pliku lub nie mozna go otworzyc", "the file is missing or cannot be opened",
      "el archivo no existe o no se puede abrir", "il file manca o non si puo aprire",
      "le fichier manque ou ne peut pas etre ouvert", "soubor chybi nebo nejde otevrit",
      "die Datei fehlt oder laesst sich nicht oeffnen"}},
    {"errempty",
     {"plik jest pusty lub nieczytelny", "the file is empty or unreadable",
      "el archivo esta vacio o es ilegible", "il file e vuoto o illeggibile",
      "le fichier est vide ou illisible", "soubor je prazdny nebo necitelny",
      "die Datei ist leer oder unlesbar"}},
    {"errmapname",
     {"nazwa pliku mapy jest za dluga", "the map file name is too long",
      "el nombre del archivo de mapa es demasiado largo", "il nome del file della mappa e troppo lungo",
      "le nom du fichier de carte est trop long", "nazev souboru mapy je prilis dlouhy",
      "der Name der Kartendatei ist zu lang"}},
    {"errheader",
     {"naglowek pliku jest uszkodzony", "the header is damaged", "la cabecera esta danada",
      "l'intestazione e danneggiata", "l'en-tete est endommage", "hlavicka souboru je poskozena",
      "der Dateikopf ist beschaedigt"}},
    {"errplayer",
     {"gracz na ruchu musi byc 1 lub 2", "the player on turn must be 1 or 2",
      "el jugador en turno debe ser 1 o 2", "il giocatore di turno deve essere 1 o 2",
      "le joueur au tour doit etre 1 ou 2", "hrac na tahu musi byt 1 nebo 2",
      "der Spieler am Zug muss 1 oder 2 sein"}},
    {"errcastle",
     {"brakuje zamku jednej ze stron", "a castle of one side is missing",
      "falta el castillo de un bando", "manca il castello di una fazione",
      "il manque le chateau d'un camp", "chybi hrad jedne strany", "die Burg einer Seite fehlt"}},
    {"errnogame",
     {"nie ma gry do zapisania", "there is no game to save", "no hay partida que guardar",
      "non c'e nessuna partita da salvare", "il n'y a pas de partie a sauvegarder",
      "neni co ulozit", "es gibt kein Spiel zum Speichern"}},
    {"errsave",
     {"nie udalo sie zapisac gry; stary plik zostaje", "the game could not be written; the old file is kept",
      "no se pudo guardar la partida; queda el archivo anterior",
      "impossibile salvare la partita; resta il vecchio file",
      "la partie n'a pas pu etre ecrite ; l'ancien fichier reste",
      "hru nelze ulozit; stary soubor zustava",
      "das Spiel konnte nicht gespeichert werden; die alte Datei bleibt"}},
    {"langnotsaved",
     {"Nie mozna zapisac jezyka w config.cfg: obowiazuje do zamkniecia gry.",
      "The language could not be saved in config.cfg: it holds until the game is closed.",
      "No se pudo guardar el idioma en config.cfg: vale hasta cerrar el juego.",
      "Impossibile salvare la lingua in config.cfg: vale fino alla chiusura del gioco.",
      "La langue n'a pas pu etre enregistree dans config.cfg : elle vaut jusqu'a la sortie.",
      "Jazyk nelze ulozit do config.cfg: plati do zavreni hry.",
      "Die Sprache konnte nicht in config.cfg gespeichert werden: sie gilt bis zum Beenden."}},
    {"errplayerdir",
     {"twoj folder zapisow jest niedostepny; nic nie bedzie zapisane",
      "your folder for saved games cannot be written; nothing is saved",
      "no se puede escribir en tu carpeta de partidas; no se guarda nada",
      "la tua cartella dei salvataggi non e scrivibile; nulla viene salvato",
      "votre dossier de sauvegardes est inaccessible ; rien n'est enregistre",
      "do vasi slozky pro ulozene hry nelze zapisovat; nic se neulozi",
      "Ihr Speicherordner ist nicht beschreibbar; nichts wird gespeichert"}},

    // What a slot of the load screen holds when it holds no game; the game writes the slot's
    // number and a colon before them.
    {"emptyslot", {"pusty", "empty", "vacia", "vuota", "vide", "prazdna", "leer"}},
    {"damagedslot",
     {"uszkodzony", "damaged", "danada", "danneggiata", "endommagee", "poskozena", "beschaedigt"}},

    // Unit names and descriptions for the information panel.
    {"robotnik",
     {"Robotnik - slaby w walce, ale tani. Stojac przy zamku naprawia jego mury.",
      "Worker - weak in battle but cheap. Next to his castle he repairs its walls.",
      "Trabajador - debil en combate pero barato. Junto a su castillo repara los muros.",
      "Lavoratore - debole in battaglia ma economico. Vicino al castello ne ripara le mura.",
      "Ouvrier - faible au combat mais bon marche. Pres de son chateau, il en repare les murs.",
      "Delnik - slaby v boji, ale levny. U sveho hradu opravuje jeho hradby.",
      "Arbeiter - schwach im Kampf, aber billig. Neben seiner Burg repariert er die Mauern."}},
    {"rycerz",
     {"Rycerz - podstawa armii Dobra. Solidny i zwinny, dobry na kazda okazje.",
      "Knight - the backbone of the army of Good. Sturdy and nimble, fit for any task.",
      "Caballero - la base del ejercito del Bien. Robusto y agil, sirve para todo.",
      "Cavaliere - la spina dorsale dell'esercito del Bene. Solido e agile.",
      "Chevalier - le pilier de l'armee du Bien. Solide et agile, bon a tout.",
      "Rytir - zaklad armady Dobra. Odolny a obratny, hodi se na vse.",
      "Ritter - das Rueckgrat der Armee des Guten. Robust und wendig."}},
    {"lord",
     {"Lord - szlachetny wojownik w ciezkiej zbroi. Szybszy i silniejszy od rycerza.",
      "Lord - a noble warrior in heavy armour. Faster and stronger than a knight.",
      "Lord - un noble guerrero con armadura pesada. Mas rapido y fuerte que un caballero.",
      "Lord - un nobile guerriero in armatura pesante. Piu veloce e forte di un cavaliere.",
      "Seigneur - un noble guerrier en armure lourde. Plus rapide et fort qu'un chevalier.",
      "Lord - urozeny valecnik v tezke zbroji. Rychlejsi a silnejsi nez rytir.",
      "Lord - ein edler Krieger in schwerer Ruestung. Schneller und staerker als ein Ritter."}},
    {"arcymag",
     {"Arcymag - mistrz czarnej magii. Razi potezna sila, lecz latwo go zranic.",
      "Archmage - a master of dark magic. Strikes hard but is easily wounded.",
      "Archimago - maestro de la magia oscura. Golpea fuerte pero es fragil.",
      "Arcimago - maestro della magia oscura. Colpisce duro ma e fragile.",
      "Archimage - maitre de la magie noire. Il frappe fort mais se blesse vite.",
      "Arcimag - mistr temne magie. Udeluje silne rany, ale snadno se zrani.",
      "Erzmagier - Meister der dunklen Magie. Trifft hart, ist aber leicht verwundbar."}},
    {"mag",
     {"Mag - wladca zywiolow. Silny atak, slaba obrona: trzymaj go za linia wojsk.",
      "Mage - a master of the elements. Strong attack, weak defence: keep him behind the lines.",
      "Mago - senor de los elementos. Ataque fuerte, defensa debil: mantenlo en retaguardia.",
      "Mago - signore degli elementi. Attacco forte, difesa debole: tienilo nelle retrovie.",
      "Mage - maitre des elements. Forte attaque, faible defense : gardez-le a l'arriere.",
      "Mag - pan zivlu. Silny utok, slaba obrana: drz ho za liniemi.",
      "Magier - Herr der Elemente. Starker Angriff, schwache Abwehr: halte ihn hinten."}},
    {"hydra",
     {"Hydra - wieloglowa bestia z bagien. Wytrzymala i grozna w ataku.",
      "Hydra - a many-headed beast of the marshes. Tough and dangerous in attack.",
      "Hidra - una bestia de muchas cabezas. Resistente y peligrosa al atacar.",
      "Idra - una bestia dalle molte teste. Resistente e pericolosa in attacco.",
      "Hydre - une bete a plusieurs tetes. Robuste et redoutable a l'attaque.",
      "Hydra - mnohohlava bestie z bazin. Odolna a nebezpecna v utoku.",
      "Hydra - eine vielkoepfige Bestie der Suempfe. Zaeh und gefaehrlich."}},
    {"archaniol",
     {"Archaniol - niebianski obronca Dobra. Najpotezniejsza jednostka niebieskich.",
      "Archangel - the heavenly guardian of Good. The mightiest unit of the blue side.",
      "Arcangel - guardian celestial del Bien. La unidad mas poderosa del bando azul.",
      "Arcangelo - custode celeste del Bene. L'unita piu potente dei blu.",
      "Archange - gardien celeste du Bien. L'unite la plus puissante du camp bleu.",
      "Archandel - nebesky strazce Dobra. Nejmocnejsi jednotka modrych.",
      "Erzengel - der himmlische Waechter des Guten. Die maechtigste Einheit der Blauen."}},
    {"smok",
     {"Smok - ziejacy ogniem potwor. Wytrzymaly i grozny w ataku.",
      "Dragon - a fire-breathing monster. Tough and dangerous in attack.",
      "Dragon - un monstruo que escupe fuego. Resistente y peligroso al atacar.",
      "Drago - un mostro sputafuoco. Resistente e pericoloso in attacco.",
      "Dragon - un monstre cracheur de feu. Robuste et redoutable a l'attaque.",
      "Drak - ohen chrlici netvor. Odolny a nebezpecny v utoku.",
      "Drache - ein feuerspeiendes Ungeheuer. Zaeh und gefaehrlich."}},
    {"trol",
     {"Troll - olbrzym z gor. Najpotezniejsza jednostka zoltych.",
      "Troll - a giant from the mountains. The mightiest unit of the yellow side.",
      "Trol - un gigante de las montanas. La unidad mas poderosa del bando amarillo.",
      "Troll - un gigante delle montagne. L'unita piu potente dei gialli.",
      "Troll - un geant des montagnes. L'unite la plus puissante du camp jaune.",
      "Troll - obr z hor. Nejmocnejsi jednotka zlutych.",
      "Troll - ein Riese aus den Bergen. Die maechtigste Einheit der Gelben."}},
    {"ciemny_rycerz",
     {"Mroczny rycerz - podstawa armii Zla. Solidny i zwinny, dobry na kazda okazje.",
      "Dark Knight - the backbone of the army of Evil. Sturdy and nimble, fit for any task.",
      "Caballero oscuro - la base del ejercito del Mal. Robusto y agil.",
      "Cavaliere oscuro - la spina dorsale dell'esercito del Male. Solido e agile.",
      "Chevalier noir - le pilier de l'armee du Mal. Solide et agile, bon a tout.",
      "Temny rytir - zaklad armady Zla. Odolny a obratny, hodi se na vse.",
      "Dunkler Ritter - das Rueckgrat der Armee des Boesen. Robust und wendig."}},
    {"kula_ognista",
     {"Ognista kula - zywy plomien. Szybka i silna w ataku.",
      "Fireball - a living flame. Fast and strong in attack.",
      "Bola de fuego - una llama viviente. Rapida y fuerte al atacar.",
      "Palla di fuoco - una fiamma vivente. Veloce e forte in attacco.",
      "Boule de feu - une flamme vivante. Rapide et forte a l'attaque.",
      "Ohniva koule - zivy plamen. Rychla a silna v utoku.",
      "Feuerball - eine lebende Flamme. Schnell und stark im Angriff."}},
    {"white_fort",
     {"Bialy zamek - siedziba niebieskich. Tu pojawiaja sie nowe jednostki. Jego upadek konczy gre.",
      "White Castle - home of the blue side. New units appear here. If it falls, the game is lost.",
      "Castillo blanco - hogar del bando azul. Aqui aparecen las unidades nuevas. Si cae, se pierde.",
      "Castello bianco - casa dei blu. Qui compaiono le nuove unita. Se cade, la partita e persa.",
      "Chateau blanc - foyer du camp bleu. Les nouvelles unites y apparaissent. S'il tombe, c'est perdu.",
      "Bily hrad - sidlo modrych. Zde se objevuji nove jednotky. Jeho padem hra konci.",
      "Weisse Burg - Sitz der Blauen. Hier erscheinen neue Einheiten. Faellt sie, ist das Spiel verloren."}},
    {"dark_fort",
     {"Mroczny zamek - siedziba zoltych. Tu pojawiaja sie nowe jednostki. Jego upadek konczy gre.",
      "Dark Castle - home of the yellow side. New units appear here. If it falls, the game is lost.",
      "Castillo oscuro - hogar del bando amarillo. Aqui aparecen las unidades nuevas. Si cae, se pierde.",
      "Castello oscuro - casa dei gialli. Qui compaiono le nuove unita. Se cade, la partita e persa.",
      "Chateau noir - foyer du camp jaune. Les nouvelles unites y apparaissent. S'il tombe, c'est perdu.",
      "Temny hrad - sidlo zlutych. Zde se objevuji nove jednotky. Jeho padem hra konci.",
      "Dunkle Burg - Sitz der Gelben. Hier erscheinen neue Einheiten. Faellt sie, ist das Spiel verloren."}},
    {"wieza",
     {"Wieza - strzela do wrogow w zasiegu. Nie rusza sie; mozna ja zdobyc.",
      "Tower - shoots at enemies within reach. It never moves and can be captured.",
      "Torre - dispara a los enemigos a su alcance. No se mueve y puede ser capturada.",
      "Torre - colpisce i nemici a portata. Non si muove e puo essere conquistata.",
      "Tour - tire sur les ennemis a portee. Elle ne bouge pas et peut etre prise.",
      "Vez - strili na nepratele v dosahu. Nehybe se a lze ji dobyt.",
      "Turm - beschiesst Feinde in Reichweite. Er bewegt sich nie und kann erobert werden."}},
    {"miasto",
     {"Miasto - daje 10 sztuk zlota co ture i leczy sasiednie oddzialy. Mozna je zdobyc.",
      "Town - brings 10 gold every turn and heals units next to it. It can be captured.",
      "Ciudad - da 10 de oro cada turno y cura a las unidades vecinas. Puede ser capturada.",
      "Citta - rende 10 oro a turno e cura le unita vicine. Puo essere conquistata.",
      "Ville - rapporte 10 or par tour et soigne les unites voisines. Elle peut etre prise.",
      "Mesto - prinasi 10 zlata za tah a leci sousedni jednotky. Lze ho dobyt.",
      "Stadt - bringt 10 Gold pro Zug und heilt Einheiten daneben. Sie kann erobert werden."}},

    // Information panel labels, each followed by a number.
    {"moves", {"Ruch:", "Moves:", "Mov.:", "Mosse:", "Depl.:", "Pohyb:", "Zuege:"}},
    {"attack", {"Atak:", "Attack:", "Ataque:", "Attacco:", "Attaque:", "Utok:", "Angriff:"}},
    {"defense", {"Obrona:", "Defence:", "Defensa:", "Difesa:", "Defense:", "Obrana:", "Abwehr:"}},
    {"agility", {"Zwinnosc:", "Agility:", "Agilidad:", "Agilita:", "Agilite:", "Obratnost:", "Geschick:"}},
    {"level", {"Poziom:", "Level:", "Nivel:", "Livello:", "Niveau:", "Uroven:", "Stufe:"}},
    {"experience", {"Doswiadcz.:", "Experience:", "Experiencia:", "Esperienza:", "Experience:", "Zkusenost:", "Erfahrung:"}},
    {"cost", {"Koszt:", "Cost:", "Coste:", "Costo:", "Prix:", "Cena:", "Preis:"}},

    // The computer player's strength, chosen on the options screen.
    {"aiclassic", {"klasyczny", "classic", "clasico", "classico", "classique", "klasicky", "klassisch"}},
    {"aistrong", {"silny", "strong", "fuerte", "forte", "fort", "silny", "stark"}},

    // Refused game and map files, shown after the file's name.
    {"filenotregular",
     {"to nie jest zwykly plik", "this is not an ordinary file", "no es un archivo normal",
      "non e un file normale", "ce n'est pas un fichier ordinaire", "neni to obycejny soubor",
      "keine gewoehnliche Datei"}},
    {"mapunreadable",
     {"mapa jest pusta, uszkodzona lub jej brak", "the map is missing, empty or damaged",
      "el mapa falta, esta vacio o danado", "la mappa manca, e vuota o danneggiata",
      "la carte est absente, vide ou abimee", "mapa chybi, je prazdna nebo poskozena",
      "die Karte fehlt, ist leer oder beschaedigt"}},
    {"hournotnumber",
     {"godzina gry nie jest liczba", "the hour of the day is not a number",
      "la hora del dia no es un numero", "l'ora del giorno non e un numero",
      "l'heure du jour n'est pas un nombre", "hodina dne neni cislo",
      "die Uhrzeit ist keine Zahl"}},
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
     {"Nowa gra", "New game", "Nueva partida", "Nuova partita", "Nouvelle partie", "Nova hra", "Neues Spiel"}},
    {"button_wczytajmape", 678, 350,
     {"Wybierz mape", "Choose map", "Elegir mapa", "Scegli mappa", "Choisir carte", "Vybrat mapu", "Karte waehlen"}},
    {"button_wczytajgre", 678, 380,
     {"Wczytaj gre", "Load game", "Cargar partida", "Carica partita", "Charger partie", "Nahrat hru", "Spiel laden"}},
    {"button_opcje", 678, 410,
     {"Opcje", "Options", "Opciones", "Opzioni", "Options", "Moznosti", "Optionen"}},
    {"button_info", 678, 440,
     {"Informacje", "Information", "Informacion", "Informazioni", "Informations", "Informace", "Informationen"}},
    {"button_wyjscie", 678, 470,
     {"Wyjscie", "Exit", "Salir", "Esci", "Quitter", "Konec", "Beenden"}},
};

std::string zawartosc_jezyka(int j) {
  std::string s = "# ";
  s += NAZWY_JEZYKOW[j];
  s += " texts of the game. Plain ASCII: the game's font has no accented letters.\n\n[teksty]\n";
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
