-- Template cards delivered with the database (protected: preimpostata = 1).
-- Exercises refer to figures of 10_figure.sql by id_fig; a free exercise has ID_Fig 0 and its
-- description in Note. Settings use the editor's value lists.

INSERT INTO schedeModello (id_Scheda, id_cat, descrizione, preimpostata, note) VALUES
    (1, 2, 'Tonificazione generale - principianti', 1,
     'Prime settimane: mantenere la posizione con le ginocchia leggermente flesse e il peso sull''avampiede.'),
    (2, 1, 'Dimagrimento - circuito', 1,
     'Eseguire gli esercizi in sequenza; ripetere il circuito 2 o 3 volte con 2 minuti di pausa.'),
    (3, 3, 'Forza degli arti inferiori', 1,
     'Aumentare il carico solo quando la posizione è mantenuta correttamente per tutta la durata.'),
    (4, 6, 'Terza età - equilibrio e mobilità', 1,
     'Tenere sempre le mani sul manubrio o sui fianchi; fermarsi a ogni segno di disagio.');

INSERT INTO EserciziModello
    (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, RecuperoMin, RecuperoSec, Serie, Modalita, Peso, isLibero, Note)
VALUES
    -- 1: Tonificazione generale - principianti
    (1, 1, 2,  '30s', '30Hz', 'L', 0, 30, 2, 'Statico a carico naturale', '', 0, ''),
    (2, 1, 6,  '30s', '30Hz', 'L', 0, 30, 2, 'Statico a carico naturale', '', 0, ''),
    (3, 1, 21, '30s', '35Hz', 'L', 0, 45, 2, 'Statico a carico naturale', '', 0, 'Mani alla larghezza delle spalle'),
    (4, 1, 14, '30s', '30Hz', 'L', 0, 30, 2, 'Statico a carico naturale', '', 0, ''),
    (5, 1, 17, '30s', '30Hz', 'L', 0, 45, 2, 'Statico a carico naturale', '', 0, 'Schiena dritta, addome contratto'),
    (6, 1, 25, '30s', '35Hz', 'L', 0, 30, 2, 'Dinamico a carico naturale', '', 0, ''),
    -- 2: Dimagrimento - circuito
    (1, 2, 1,  '45s', '40Hz', 'H', 0, 15, 3, 'Dinamico a carico naturale', '', 0, ''),
    (2, 2, 8,  '45s', '40Hz', 'H', 0, 15, 3, 'Dinamico a carico naturale', '', 0, 'Alternare la gamba avanti a ogni serie'),
    (3, 2, 21, '30s', '40Hz', 'H', 0, 15, 3, 'Dinamico a carico naturale', '', 0, ''),
    (4, 2, 29, '45s', '40Hz', 'H', 0, 15, 3, 'Dinamico a carico aggiuntivo', 'Cinghie in tensione', 0, ''),
    (5, 2, 27, '45s', '40Hz', 'H', 0, 15, 3, 'Dinamico a carico aggiuntivo', 'Cinghie in tensione', 0, ''),
    (6, 2, 36, '45s', '40Hz', 'H', 0, 15, 3, 'Combinata', '', 0, ''),
    (7, 2, 7,  '45s', '40Hz', 'H', 0, 15, 3, 'Dinamico a carico naturale', '', 0, ''),
    (8, 2, 17, '30s', '35Hz', 'L', 1, 0,  3, 'Statico a carico naturale', '', 0, ''),
    -- 3: Forza degli arti inferiori
    (1, 3, 0,  '30s', '30Hz', 'L', 0, 0,  1, '', '', 1, 'Riscaldamento: 5 minuti di cyclette a ritmo moderato'),
    (2, 3, 3,  '60s', '50Hz', 'H', 1, 0,  3, 'Statico a carico aggiuntivo', '5 kg', 0, ''),
    (3, 3, 5,  '45s', '50Hz', 'H', 1, 0,  3, 'Statico a carico naturale', '', 0, 'Per ciascuna gamba'),
    (4, 3, 9,  '45s', '50Hz', 'H', 1, 0,  3, 'Dinamico a carico naturale', '', 0, 'Per ciascuna gamba'),
    (5, 3, 11, '60s', '40Hz', 'H', 1, 0,  3, 'Statico a carico aggiuntivo', 'Cinghie in tensione', 0, ''),
    (6, 3, 37, '45s', '50Hz', 'H', 0, 45, 3, 'Dinamico a carico naturale', '', 0, 'Per ciascuna gamba'),
    (7, 3, 1,  '60s', '50Hz', 'H', 2, 0,  2, 'Combinata', '8 kg', 0, ''),
    -- 4: Terza età - equilibrio e mobilità
    (1, 4, 2,  '30s', '30Hz', 'L', 1, 0,  2, 'Statico a carico naturale', '', 0, ''),
    (2, 4, 6,  '30s', '30Hz', 'L', 1, 0,  2, 'Statico a carico naturale', '', 0, 'Salire piano sulle punte'),
    (3, 4, 33, '30s', '30Hz', 'L', 1, 0,  2, 'Statico a carico naturale', '', 0, ''),
    (4, 4, 34, '30s', '30Hz', 'L', 1, 0,  2, 'Statico a carico naturale', '', 0, ''),
    (5, 4, 35, '30s', '30Hz', 'L', 1, 0,  2, 'Dinamico a carico naturale', '', 0, 'Una gamba per volta, mani sui fianchi');
