-- Catalogue rows every database needs: categories, machines, muscle groups, parameters.

INSERT INTO categorie (id_cat, nome) VALUES
    (1, 'Dimagrimento'),
    (2, 'Tonificazione'),
    (3, 'Forza e potenza'),
    (4, 'Riabilitazione'),
    (5, 'Flessibilità e mobilità'),
    (6, 'Terza età');

INSERT INTO Macchinari (ID_MAC, Caricata) VALUES
    ('VIBRANA', 1),
    ('OSTREL', 0);

-- Codes are those of the body map; groups that a trainer thinks of as one share a name.
INSERT INTO muscoli (id_muscolo, nome, nomeMuscolo) VALUES
    ('ADD', 'Addominali', 'Retto dell''addome'),
    ('ADU', 'Adduttori', 'Adduttori della coscia'),
    ('BIC', 'Bicipiti', 'Bicipite brachiale'),
    ('DAL', 'Deltoidi', 'Deltoide anteriore e laterale'),
    ('DEP', 'Deltoidi', 'Deltoide posteriore'),
    ('DOR', 'Dorsali', 'Gran dorsale'),
    ('ERE', 'Lombari', 'Erettori della colonna'),
    ('FI1', 'Fianchi', 'Obliqui dell''addome'),
    ('FI2', 'Fianchi', 'Medio gluteo e tensore della fascia lata'),
    ('FI3', 'Fianchi', 'Abduttori e fascia laterale della coscia'),
    ('GLU', 'Glutei', 'Grande gluteo'),
    ('ICE', 'Ischiocrurali', 'Bicipite femorale'),
    ('ICI', 'Ischiocrurali', 'Semitendinoso e semimembranoso'),
    ('PET', 'Pettorali', 'Gran pettorale'),
    ('POL', 'Polpacci', 'Gastrocnemio e soleo'),
    ('QUA', 'Quadricipiti', 'Quadricipite femorale'),
    ('TRA', 'Trapezio', 'Trapezio'),
    ('TRI', 'Tricipiti', 'Tricipite brachiale');

INSERT INTO Parametri (parametro, valore) VALUES
    ('PATH_MANUALE', '\HELP\manuale');
