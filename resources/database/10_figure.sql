-- Figure catalogue: one picture per exercise position and the muscles it trains.
-- Written by vibrana-disegni from its exercise table (tools/disegni/Catalogo.cpp), which also draws
-- the pictures; change the table and rebuild the target vibrana_catalogo_sql, do not edit by hand.

INSERT INTO figure (id_fig, numero, ID_MAC, figura) VALUES
    (1, 1, 'VIBRANA', 'images\esercizi\vibrana_001.JPG'), -- Squat statico a 90°
    (2, 2, 'VIBRANA', 'images\esercizi\vibrana_002.JPG'), -- Mezzo squat
    (3, 3, 'VIBRANA', 'images\esercizi\vibrana_003.JPG'), -- Squat profondo
    (4, 4, 'VIBRANA', 'images\esercizi\vibrana_004.JPG'), -- Squat a gambe divaricate
    (5, 5, 'VIBRANA', 'images\esercizi\vibrana_005.JPG'), -- Squat su una gamba
    (6, 6, 'VIBRANA', 'images\esercizi\vibrana_006.JPG'), -- Sollevamento sulle punte
    (7, 7, 'VIBRANA', 'images\esercizi\vibrana_007.JPG'), -- Polpacci in mezzo squat
    (8, 8, 'VIBRANA', 'images\esercizi\vibrana_008.JPG'), -- Affondo frontale
    (9, 9, 'VIBRANA', 'images\esercizi\vibrana_009.JPG'), -- Affondo con piede posteriore sulla pedana
    (10, 10, 'VIBRANA', 'images\esercizi\vibrana_010.JPG'), -- Affondo laterale
    (11, 11, 'VIBRANA', 'images\esercizi\vibrana_011.JPG'), -- Stacco a gambe tese con le cinghie
    (12, 12, 'VIBRANA', 'images\esercizi\vibrana_012.JPG'), -- Estensione dell'anca in quadrupedia
    (13, 12.5, 'VIBRANA', 'images\esercizi\vibrana_012_5.JPG'), -- Quadrupedia con braccio e gamba opposti
    (14, 13, 'VIBRANA', 'images\esercizi\vibrana_013.JPG'), -- Ponte per i glutei
    (15, 14, 'VIBRANA', 'images\esercizi\vibrana_014.JPG'), -- Ponte su una gamba
    (16, 15, 'VIBRANA', 'images\esercizi\vibrana_015.JPG'), -- Ponte con i talloni sulla pedana
    (17, 16, 'VIBRANA', 'images\esercizi\vibrana_016.JPG'), -- Plank sugli avambracci
    (18, 17, 'VIBRANA', 'images\esercizi\vibrana_017.JPG'), -- Plank laterale
    (19, 18, 'VIBRANA', 'images\esercizi\vibrana_018.JPG'), -- Crunch con i piedi sulla pedana
    (20, 19, 'VIBRANA', 'images\esercizi\vibrana_019.JPG'), -- Plank inverso
    (21, 20, 'VIBRANA', 'images\esercizi\vibrana_020.JPG'), -- Piegamenti sulle braccia
    (22, 21, 'VIBRANA', 'images\esercizi\vibrana_021.JPG'), -- Piegamenti sulle ginocchia
    (23, 22, 'VIBRANA', 'images\esercizi\vibrana_022.JPG'), -- Piegamenti a presa stretta
    (24, 23, 'VIBRANA', 'images\esercizi\vibrana_023.JPG'), -- Dip alla pedana
    (25, 24, 'VIBRANA', 'images\esercizi\vibrana_024.JPG'), -- Curl per i bicipiti con le cinghie
    (26, 25, 'VIBRANA', 'images\esercizi\vibrana_025.JPG'), -- Curl in mezzo squat
    (27, 26, 'VIBRANA', 'images\esercizi\vibrana_026.JPG'), -- Alzate laterali con le cinghie
    (28, 27, 'VIBRANA', 'images\esercizi\vibrana_027.JPG'), -- Tirata al mento con le cinghie
    (29, 28, 'VIBRANA', 'images\esercizi\vibrana_028.JPG'), -- Rematore con le cinghie
    (30, 29, 'VIBRANA', 'images\esercizi\vibrana_029.JPG'), -- Alzate posteriori a busto flesso
    (31, 30, 'VIBRANA', 'images\esercizi\vibrana_030.JPG'), -- Estensioni dei tricipiti sopra la testa
    (32, 31, 'VIBRANA', 'images\esercizi\vibrana_031.JPG'), -- Slanci dei tricipiti a busto flesso
    (33, 32, 'VIBRANA', 'images\esercizi\vibrana_032.JPG'), -- Spinta inclinata sul manubrio
    (34, 33, 'VIBRANA', 'images\esercizi\vibrana_033.JPG'), -- Trazione al manubrio inclinati indietro
    (35, 34, 'VIBRANA', 'images\esercizi\vibrana_034.JPG'), -- Abduzione della gamba in piedi
    (36, 35, 'VIBRANA', 'images\esercizi\vibrana_035.JPG'), -- Torsione del busto in squat
    (37, 36, 'VIBRANA', 'images\esercizi\vibrana_036.JPG'), -- Sollevamento sulle punte su una gamba
    (38, 37, 'VIBRANA', 'images\esercizi\vibrana_037.JPG'), -- Addominali da seduti con i piedi sulla pedana
    (39, 38, 'VIBRANA', 'images\esercizi\vibrana_038.JPG'), -- Squat con le braccia tese in avanti
    (40, 39, 'VIBRANA', 'images\esercizi\vibrana_039.JPG'), -- Affondo frontale con curl
    (41, 40, 'VIBRANA', 'images\esercizi\vibrana_040.JPG'), -- Alzate frontali in mezzo squat
    (101, 1, 'OSTREL', 'images\esercizi\ostrel_001.JPG'), -- Squat statico
    (102, 2, 'OSTREL', 'images\esercizi\ostrel_002.JPG'), -- Sollevamento sulle punte
    (103, 3, 'OSTREL', 'images\esercizi\ostrel_003.JPG'), -- Mezzo squat a gambe larghe
    (104, 4, 'OSTREL', 'images\esercizi\ostrel_004.JPG'), -- Piegamenti sulle braccia
    (105, 5, 'OSTREL', 'images\esercizi\ostrel_005.JPG'); -- Plank sugli avambracci

INSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES
    (1, 'QUA'),
    (1, 'GLU'),
    (2, 'QUA'),
    (3, 'QUA'),
    (3, 'GLU'),
    (3, 'ICI'),
    (4, 'ADU'),
    (4, 'GLU'),
    (4, 'QUA'),
    (5, 'QUA'),
    (5, 'GLU'),
    (5, 'FI2'),
    (6, 'POL'),
    (7, 'POL'),
    (7, 'QUA'),
    (8, 'QUA'),
    (8, 'GLU'),
    (8, 'ICE'),
    (9, 'GLU'),
    (9, 'QUA'),
    (9, 'ICI'),
    (10, 'ADU'),
    (10, 'FI3'),
    (10, 'QUA'),
    (11, 'ICE'),
    (11, 'ICI'),
    (11, 'ERE'),
    (12, 'GLU'),
    (12, 'ICE'),
    (13, 'ERE'),
    (13, 'GLU'),
    (13, 'DEP'),
    (14, 'GLU'),
    (14, 'ICE'),
    (14, 'ERE'),
    (15, 'GLU'),
    (15, 'ICI'),
    (15, 'FI2'),
    (16, 'ICE'),
    (16, 'ICI'),
    (17, 'ADD'),
    (17, 'ERE'),
    (18, 'FI1'),
    (18, 'FI2'),
    (18, 'ADD'),
    (19, 'ADD'),
    (20, 'TRI'),
    (20, 'ERE'),
    (20, 'GLU'),
    (21, 'PET'),
    (21, 'TRI'),
    (21, 'DAL'),
    (22, 'PET'),
    (22, 'TRI'),
    (23, 'TRI'),
    (23, 'PET'),
    (24, 'TRI'),
    (24, 'DEP'),
    (25, 'BIC'),
    (26, 'BIC'),
    (26, 'QUA'),
    (27, 'DAL'),
    (27, 'TRA'),
    (28, 'TRA'),
    (28, 'DAL'),
    (29, 'DOR'),
    (29, 'DEP'),
    (29, 'BIC'),
    (30, 'DEP'),
    (30, 'TRA'),
    (31, 'TRI'),
    (32, 'TRI'),
    (32, 'DEP'),
    (33, 'PET'),
    (33, 'TRI'),
    (33, 'DAL'),
    (34, 'DOR'),
    (34, 'BIC'),
    (35, 'FI2'),
    (35, 'FI3'),
    (36, 'FI1'),
    (36, 'ADD'),
    (37, 'POL'),
    (38, 'ADD'),
    (39, 'QUA'),
    (39, 'ADD'),
    (40, 'BIC'),
    (40, 'QUA'),
    (41, 'DAL'),
    (41, 'QUA'),
    (101, 'QUA'),
    (101, 'GLU'),
    (102, 'POL'),
    (103, 'ADU'),
    (103, 'QUA'),
    (104, 'PET'),
    (104, 'TRI'),
    (105, 'ADD'),
    (105, 'ERE');
