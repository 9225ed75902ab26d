-- Vibrana database: tables, relations and views.
-- Text columns accept ''; required columns are NOT NULL; generated keys never reuse a value.
-- Names compare without regard to letter case, like the rest of the application's SQL.

CREATE TABLE categorie (
    id_cat      INTEGER PRIMARY KEY,
    nome        TEXT NOT NULL COLLATE NOCASE
);

CREATE TABLE Macchinari (
    ID_MAC      TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    Caricata    BOOLEAN NOT NULL DEFAULT 1 CHECK (Caricata IN (0, 1))
);

CREATE TABLE muscoli (
    id_muscolo  TEXT NOT NULL PRIMARY KEY COLLATE NOCASE CHECK (length(id_muscolo) BETWEEN 1 AND 3),
    nome        TEXT NOT NULL COLLATE NOCASE,
    nomeMuscolo TEXT NOT NULL
);

CREATE TABLE figure (
    id_fig      INTEGER PRIMARY KEY,
    numero      SINGLE NOT NULL,
    ID_MAC      TEXT NOT NULL COLLATE NOCASE REFERENCES Macchinari (ID_MAC),
    figura      TEXT NOT NULL
);

-- Which muscles each figure trains.
CREATE TABLE figure_muscoli (
    id_fig      INTEGER NOT NULL REFERENCES figure (id_fig) ON DELETE CASCADE,
    id_muscolo  TEXT NOT NULL COLLATE NOCASE REFERENCES muscoli (id_muscolo),
    PRIMARY KEY (id_fig, id_muscolo)
);

CREATE TABLE utenti (
    id_utente   INTEGER PRIMARY KEY AUTOINCREMENT,
    nome        TEXT NOT NULL COLLATE NOCASE,
    cognome     TEXT NOT NULL COLLATE NOCASE,
    dataNascita DATE,
    sesso       TEXT CHECK (sesso IS NULL OR length(sesso) <= 1),
    Note        TEXT
);

CREATE TABLE schede (
    id_scheda   INTEGER PRIMARY KEY AUTOINCREMENT,
    id_utente   INTEGER NOT NULL REFERENCES utenti (id_utente) ON DELETE CASCADE,
    Istruttore  TEXT NOT NULL,
    PeriodoDal  DATE,
    PeriodoAl   DATE,
    id_cat      INTEGER NOT NULL REFERENCES categorie (id_cat),
    FreqAllen   TINYINT NOT NULL CHECK (FreqAllen BETWEEN 0 AND 255),
    GGAllen     TEXT,
    Obiettivo   TEXT,
    note        TEXT
);
CREATE INDEX schede_utente ON schede (id_utente);

CREATE TABLE Esercizi (
    ct          INTEGER PRIMARY KEY AUTOINCREMENT,
    NProg       INTEGER NOT NULL,
    ID_Scheda   INTEGER NOT NULL REFERENCES schede (id_scheda) ON DELETE CASCADE,
    ID_Fig      INTEGER NOT NULL DEFAULT 0,
    Durata      TEXT NOT NULL,
    Frequenza   TEXT NOT NULL,
    Ampiezza    TEXT NOT NULL,
    RecuperoMin TINYINT CHECK (RecuperoMin BETWEEN 0 AND 255),
    RecuperoSec TINYINT CHECK (RecuperoSec BETWEEN 0 AND 255),
    Serie       TINYINT CHECK (Serie BETWEEN 0 AND 255),
    Modalita    TEXT,
    Peso        TEXT,
    isLibero    BOOLEAN NOT NULL CHECK (isLibero IN (0, 1)),
    Note        TEXT
);
CREATE INDEX esercizi_scheda ON Esercizi (ID_Scheda, NProg);

CREATE TABLE schedeModello (
    id_Scheda    INTEGER PRIMARY KEY AUTOINCREMENT,
    id_cat       INTEGER NOT NULL REFERENCES categorie (id_cat),
    descrizione  TEXT,
    preimpostata BOOLEAN NOT NULL DEFAULT 0 CHECK (preimpostata IN (0, 1)),
    note         TEXT
);

CREATE TABLE EserciziModello (
    ct          INTEGER PRIMARY KEY AUTOINCREMENT,
    NProg       INTEGER NOT NULL,
    ID_Scheda   INTEGER NOT NULL REFERENCES schedeModello (id_Scheda) ON DELETE CASCADE,
    ID_Fig      INTEGER NOT NULL DEFAULT 0,
    Durata      TEXT NOT NULL,
    Frequenza   TEXT NOT NULL,
    Ampiezza    TEXT NOT NULL,
    RecuperoMin TINYINT CHECK (RecuperoMin BETWEEN 0 AND 255),
    RecuperoSec TINYINT CHECK (RecuperoSec BETWEEN 0 AND 255),
    Serie       TINYINT CHECK (Serie BETWEEN 0 AND 255),
    Modalita    TEXT,
    Peso        TEXT,
    isLibero    BOOLEAN NOT NULL CHECK (isLibero IN (0, 1)),
    Note        TEXT
);
CREATE INDEX eserciziModello_scheda ON EserciziModello (ID_Scheda, NProg);

CREATE TABLE palestra (
    nome         TEXT,
    responsabile TEXT,
    logo         TEXT
);

CREATE TABLE Parametri (
    parametro   TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    valore      TEXT
);

-- A card with its athlete and category. Dotted names are column names, not qualified references.
CREATE VIEW vw_schedacompleta AS
SELECT s.id_scheda    AS id_scheda,
       s.Istruttore   AS Istruttore,
       s.id_utente    AS id_utente,
       s.PeriodoDal   AS PeriodoDal,
       s.PeriodoAl    AS PeriodoAl,
       s.id_cat       AS id_cat,
       c.nome         AS "categorie.nome",
       s.Obiettivo    AS Obiettivo,
       s.FreqAllen    AS FreqAllen,
       s.GGAllen      AS GGAllen,
       s.note         AS "schede.note",
       u.nome         AS "utenti.nome",
       u.cognome      AS cognome,
       u.dataNascita  AS dataNascita,
       u.sesso        AS sesso
FROM schede s
JOIN utenti u ON u.id_utente = s.id_utente
LEFT JOIN categorie c ON c.id_cat = s.id_cat;

CREATE VIEW vw_schedaModellocompleta AS
SELECT m.id_Scheda    AS id_Scheda,
       m.id_cat       AS id_cat,
       c.nome         AS nome,
       m.descrizione  AS descrizione,
       m.note         AS note,
       m.preimpostata AS preimpostata
FROM schedeModello m
LEFT JOIN categorie c ON c.id_cat = m.id_cat;

CREATE VIEW vw_figure_muscoli AS
SELECT f.id_fig       AS id_fig,
       f.ID_MAC       AS ID_MAC,
       fm.id_muscolo  AS id_muscolo,
       m.nome         AS nome,
       f.numero       AS numero,
       f.figura       AS figura,
       m.nomeMuscolo  AS nomeMuscolo
FROM figure f
JOIN figure_muscoli fm ON fm.id_fig = f.id_fig
JOIN muscoli m ON m.id_muscolo = fm.id_muscolo;
