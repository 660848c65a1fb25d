<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CliText</name>
    <message>
        <source>In “%1”: %2</source>
        <translation>In «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” names no file.</source>
        <translation>«%1» non indica alcun file.</translation>
    </message>
    <message>
        <source>Warning: “%1” is not a .png, .jpg, .mp4 or .avi file; the playlist records it as of type 0 (other), which the player may skip.</source>
        <translation>Avviso: «%1» non è un file .png, .jpg, .mp4 o .avi; la playlist lo registra come tipo 0 (altro), che il lettore potrebbe saltare.</translation>
    </message>
    <message>
        <source>“%1” is a video: it plays to its end and takes no time. Give it without “=hh:mm:ss”.</source>
        <translation>«%1» è un video: viene riprodotto fino alla fine e non richiede un tempo. Indicalo senza «=hh:mm:ss».</translation>
    </message>
    <message>
        <source>Saved “%1” (rows: %2).</source>
        <translation>«%1» salvato (righe: %2).</translation>
    </message>
    <message>
        <source>Nothing was written to “%1”. Run the command again.</source>
        <translation>Non è stato scritto nulla in «%1». Esegui di nuovo il comando.</translation>
    </message>
    <message>
        <source>Nothing was written to “%1”: --strict refuses media that may not play.</source>
        <translation>Non è stato scritto nulla in «%1»: --strict rifiuta i file multimediali che potrebbero non essere riprodotti.</translation>
    </message>
    <message>
        <source>Converted “%1” to “%2” (%3).</source>
        <translation>«%1» convertito in «%2» (%3).</translation>
    </message>
    <message>
        <source>Write nothing, and exit with status 1, when a medium may not play; without it such media are listed and saved.</source>
        <translation>Non scrivere nulla, e uscire con stato 1, quando un file multimediale potrebbe non essere riprodotto; senza questa opzione tali file vengono elencati e salvati.</translation>
    </message>
    <message>
        <source>Makes a new package from media files, as the window&apos;s Save does for a new playlist.</source>
        <translation>Crea un nuovo pacchetto da file multimediali, come fa «Salva» nella finestra per una nuova playlist.</translation>
    </message>
    <message>
        <source>Time each image plays for unless its argument gives one (default %1).</source>
        <translation>Tempo per cui viene mostrata ogni immagine se il suo argomento non ne indica uno (predefinito %1).</translation>
    </message>
    <message>
        <source>Time the document records, such as 2024-03-05T17:08:09 (default: now).</source>
        <translation>Data che il documento registra, per esempio 2024-03-05T17:08:09 (predefinito: adesso).</translation>
    </message>
    <message>
        <source>Replace an existing package.</source>
        <translation>Sostituisci un pacchetto esistente.</translation>
    </message>
    <message>
        <source>The package to make; &quot;.mrv&quot; takes the place of any other extension.</source>
        <translation>Il pacchetto da creare; «.mrv» prende il posto di qualsiasi altra estensione.</translation>
    </message>
    <message>
        <source>Media files in playing order, each with its own time if given. A video plays to its end.</source>
        <translation>File multimediali in ordine di riproduzione, ognuno con il proprio tempo se indicato. Un video viene riprodotto fino alla fine.</translation>
    </message>
    <message>
        <source>give the package to make and at least one media file.</source>
        <translation>indica il pacchetto da creare e almeno un file multimediale.</translation>
    </message>
    <message>
        <source>--duration %1</source>
        <translation>--duration %1</translation>
    </message>
    <message>
        <source>“%1” is not a valid --build-time: write it as yyyy-MM-ddThh:mm:ss.</source>
        <translation>«%1» non è un --build-time valido: scrivilo come yyyy-MM-ddThh:mm:ss.</translation>
    </message>
    <message>
        <source>Cannot save as “%1”: the name is empty before its extension. Choose a name such as show.mrv.</source>
        <translation>Impossibile salvare come «%1»: il nome è vuoto prima dell&apos;estensione. Scegli un nome come show.mrv.</translation>
    </message>
    <message>
        <source>“%1” already exists, so nothing was written. Give --force to replace it.</source>
        <translation>«%1» esiste già, quindi non è stato scritto nulla. Indica --force per sostituirlo.</translation>
    </message>
    <message>
        <source>Checks a package: its zip structure, its playlist document, every entry&apos;s checksum, and that the playlist and the media entries match.</source>
        <translation>Controlla un pacchetto: la sua struttura zip, il suo documento della playlist, il checksum di ogni voce, e che la playlist e le voci multimediali corrispondano.</translation>
    </message>
    <message>
        <source>Also read each media entry&apos;s image header or video container, as the player will.</source>
        <translation>Leggi anche l&apos;intestazione dell&apos;immagine o il contenitore video di ogni voce multimediale, come farà il lettore.</translation>
    </message>
    <message>
        <source>The package to check.</source>
        <translation>Il pacchetto da controllare.</translation>
    </message>
    <message>
        <source>give exactly one package to check.</source>
        <translation>indica esattamente un pacchetto da controllare.</translation>
    </message>
    <message>
        <source>“%1” is sound: %2 playlist row(s), %3 entries, every checksum matches%4.</source>
        <translation>«%1» è integro: %2 righe della playlist, %3 voci, ogni checksum corrisponde%4.</translation>
    </message>
    <message>
        <source>, every medium can be read</source>
        <translation>, ogni file multimediale è leggibile</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Run “%1 --help” for its usage.</source>
        <translation>Esegui «%1 --help» per il suo uso.</translation>
    </message>
    <message>
        <source>Saving “%1”</source>
        <translation>Salvataggio di «%1»</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: %2 % of %3 MB</source>
        <translation><byte value="xd"/>%1: %2 % di %3 MB</translation>
    </message>
    <message>
        <source>Lists the removable drives with a mounted file system: label, maker and model, mount point, size, free space, file system and the packages each holds.</source>
        <translation>Elenca le unità rimovibili con un file system montato: etichetta, produttore e modello, punto di montaggio, dimensione, spazio libero, file system e i pacchetti che ognuna contiene.</translation>
    </message>
    <message>
        <source>Print the list as JSON.</source>
        <translation>Stampa l&apos;elenco come JSON.</translation>
    </message>
    <message>
        <source>takes no arguments.</source>
        <translation>non accetta argomenti.</translation>
    </message>
    <message>
        <source>No removable drive with a mounted file system.</source>
        <translation>Nessuna unità rimovibile con un file system montato.</translation>
    </message>
    <message>
        <source>%1	%2	%3	%4, %5 free	%6	%7</source>
        <translation>%1	%2	%3	%4, %5 liberi	%6	%7</translation>
    </message>
    <message>
        <source>unknown maker</source>
        <translation>produttore sconosciuto</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>no packages</source>
        <translation>nessun pacchetto</translation>
    </message>
    <message>
        <source>Writes a package to drives at once: a copy where a drive has none, an update in place where it holds an older one of that name. Each is read back from the drive after writing.</source>
        <translation>Scrive un pacchetto su più unità contemporaneamente: una copia dove un&apos;unità non ne ha, un aggiornamento sul posto dove ne contiene uno più vecchio con quel nome. Ognuno viene riletto dall&apos;unità dopo la scrittura.</translation>
    </message>
    <message>
        <source>Unmount and power off each drive once its package has been read back intact.</source>
        <translation>Smonta e spegni ogni unità non appena il suo pacchetto è stato riletto integro.</translation>
    </message>
    <message>
        <source>Do not read the packages back.</source>
        <translation>Non rileggere i pacchetti.</translation>
    </message>
    <message>
        <source>Replace a package of the same name that is newer than this one, or another playlist altogether.</source>
        <translation>Sostituisci un pacchetto con lo stesso nome più recente di questo, o una playlist del tutto diversa.</translation>
    </message>
    <message>
        <source>The package to write.</source>
        <translation>Il pacchetto da scrivere.</translation>
    </message>
    <message>
        <source>A drive: its mount point, label or device; or a folder.</source>
        <translation>Un&apos;unità: il suo punto di montaggio, etichetta o dispositivo; oppure una cartella.</translation>
    </message>
    <message>
        <source>give a package and at least one drive.</source>
        <translation>indica un pacchetto e almeno un&apos;unità.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>«%1» non è un file.</translation>
    </message>
    <message>
        <source>“%1” is no drive and no folder.</source>
        <translation>«%1» non è né un&apos;unità né una cartella.</translation>
    </message>
    <message>
        <source>“%1” names %2 drives; give the mount point or device of the one to write to:</source>
        <translation>«%1» corrisponde a %2 unità; indica il punto di montaggio o il dispositivo di quella su cui scrivere:</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Give --force to replace it.</source>
        <translation>Indica --force per sostituirlo.</translation>
    </message>
    <message>
        <source>Reads a package back from its drive, not from memory, and checks every entry&apos;s checksum.</source>
        <translation>Rilegge un pacchetto dalla sua unità, non dalla memoria, e controlla il checksum di ogni voce.</translation>
    </message>
    <message>
        <source>The package to read back.</source>
        <translation>Il pacchetto da rileggere.</translation>
    </message>
    <message>
        <source>give exactly one package.</source>
        <translation>indica esattamente un pacchetto.</translation>
    </message>
    <message>
        <source>“%1” reads back intact from its drive: %2 MB in %3 s.</source>
        <translation>«%1» si rilegge integro dalla sua unità: %2 MB in %3 s.</translation>
    </message>
    <message>
        <source>Prints a package&apos;s playlist: position, type, time and stored name of each row.</source>
        <translation>Stampa la playlist di un pacchetto: posizione, tipo, tempo e nome memorizzato di ogni riga.</translation>
    </message>
    <message>
        <source>Print the rows as a JSON array of objects with the keys position, type, time and name, and what a probe of each medium finds: problem (null when it plays) and, for videos, length in seconds (null when unknown).</source>
        <translation>Stampa le righe come array JSON di oggetti con le chiavi position, type, time e name, e ciò che l&apos;esame di ogni file multimediale trova: problem (null se viene riprodotto) e, per i video, length in secondi (null se sconosciuta).</translation>
    </message>
    <message>
        <source>The package to list.</source>
        <translation>Il pacchetto da elencare.</translation>
    </message>
    <message>
        <source>give exactly one package to list.</source>
        <translation>indica esattamente un pacchetto da elencare.</translation>
    </message>
    <message>
        <source>“%1” lists “%2”, but holds no such file. Run “mrv check” on it.</source>
        <translation>«%1» elenca «%2», ma non contiene quel file. Esegui «mrv check» su di esso.</translation>
    </message>
    <message>
        <source>mrv: unknown command “%1”.
Run “mrv --help” for the commands.</source>
        <translation>mrv: comando sconosciuto «%1».
Esegui «mrv --help» per i comandi.</translation>
    </message>
    <message>
        <source>Finishes what an interrupted update left of a package: the package is restored as it was before that update, or, when the update had completed, its journal is removed. A journal that does not belong to the package as it is, or that is damaged, is kept. Every other command does this first by itself; this one does only that, then checks the package as “mrv check” does.</source>
        <translation>Completa ciò che un aggiornamento interrotto ha lasciato di un pacchetto: il pacchetto viene ripristinato com&apos;era prima di quell&apos;aggiornamento o, se l&apos;aggiornamento era stato completato, il suo giornale viene rimosso. Un giornale che non appartiene al pacchetto così com&apos;è, o che è danneggiato, viene conservato. Ogni altro comando lo fa prima da sé; questo fa solo questo, poi controlla il pacchetto come «mrv check».</translation>
    </message>
    <message>
        <source>Remove the package&apos;s journal without applying it: for a package that is as it should be, beside a journal that does not belong to it.</source>
        <translation>Rimuovi il giornale del pacchetto senza applicarlo: per un pacchetto che è come dovrebbe essere, accanto a un giornale che non gli appartiene.</translation>
    </message>
    <message>
        <source>The package to repair.</source>
        <translation>Il pacchetto da riparare.</translation>
    </message>
    <message>
        <source>give exactly one package to repair.</source>
        <translation>indica esattamente un pacchetto da riparare.</translation>
    </message>
    <message>
        <source>“%1” needs no repair: no update of it was interrupted.</source>
        <translation>«%1» non ha bisogno di riparazioni: nessun suo aggiornamento è stato interrotto.</translation>
    </message>
    <message>
        <source>Changes a package in one transaction, as the window&apos;s Save does for an open playlist: removals first, then new times, then additions at the end. Either all of it is written or nothing.</source>
        <translation>Modifica un pacchetto in un&apos;unica transazione, come fa «Salva» nella finestra per una playlist aperta: prima le rimozioni, poi i nuovi tempi, poi le aggiunte in fondo. O viene scritto tutto o niente.</translation>
    </message>
    <message>
        <source>Append a media file; an image plays for the time given, or for %1.</source>
        <translation>Aggiungi in fondo un file multimediale; un&apos;immagine viene mostrata per il tempo indicato, o per %1.</translation>
    </message>
    <message>
        <source>Remove every row that plays NAME (a stored name such as /clip.mp4; the &quot;/&quot; may be left out).</source>
        <translation>Rimuovi ogni riga che riproduce NOME (un nome memorizzato come /clip.mp4; la «/» si può omettere).</translation>
    </message>
    <message>
        <source>Set the time of every row that plays the image NAME.</source>
        <translation>Imposta il tempo di ogni riga che riproduce l&apos;immagine NOME.</translation>
    </message>
    <message>
        <source>The package to change.</source>
        <translation>Il pacchetto da modificare.</translation>
    </message>
    <message>
        <source>give exactly one package to update.</source>
        <translation>indica esattamente un pacchetto da aggiornare.</translation>
    </message>
    <message>
        <source>give at least one --add, --remove or --duration.</source>
        <translation>indica almeno un --add, --remove o --duration.</translation>
    </message>
    <message>
        <source>“%1” is not a valid --duration: write it as NAME=hh:mm:ss (or 90, 1:30). %2</source>
        <translation>«%1» non è un --duration valido: scrivilo come NOME=hh:mm:ss (o 90, 1:30). %2</translation>
    </message>
    <message>
        <source>Cannot update “%1”: “%2” is a video, it plays to its end and takes no time. Nothing was written.</source>
        <translation>Impossibile aggiornare «%1»: «%2» è un video, viene riprodotto fino alla fine e non richiede un tempo. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Cannot update “%1”: its playlist has no “%2”. Nothing was written; “mrv list” shows the names it holds.</source>
        <translation>Impossibile aggiornare «%1»: la sua playlist non contiene «%2». Non è stato scritto nulla; «mrv list» mostra i nomi che contiene.</translation>
    </message>
    <message>
        <source>Cannot update “%1”: the playlist would be empty. Nothing was written.</source>
        <translation>Impossibile aggiornare «%1»: la playlist sarebbe vuota. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Fitted “%1”: %2.</source>
        <translation>«%1» adattato: %2.</translation>
    </message>
    <message>
        <source>Fitted %1 of %2 files to the screen: %3 → %4.</source>
        <translation>%1 file su %2 adattati allo schermo: %3 → %4.</translation>
    </message>
    <message>
        <source>Store fitted copies of the media larger or richer than the screen and its player use (photos scaled to the screen, clips re-encoded within the player&apos;s limits); the files themselves are not changed. The profile is the one set in the window&apos;s Screen and Player dialog, or --profile&apos;s.</source>
        <translation>Memorizza copie adattate dei file multimediali più grandi o più esigenti di quanto usino lo schermo e il suo lettore (foto ridotte alla dimensione dello schermo, video ricodificati entro i limiti del lettore); i file originali non vengono modificati. Il profilo è quello impostato nella finestra, in «Schermo e lettore», o quello di --profile.</translation>
    </message>
    <message>
        <source>The screen and player to fit to, one of: %1.</source>
        <translation>Lo schermo e il lettore a cui adattare, uno tra: %1.</translation>
    </message>
    <message>
        <source>“%1” is no --profile; give one of: %2.</source>
        <translation>«%1» non è un --profile valido; indicane uno tra: %2.</translation>
    </message>
    <message>
        <source>Usage: mrv COMMAND [options] [arguments]
Makes, lists, checks and updates playlist packages (.mrv) from scripts.

Commands:
  build OUT.mrv FILE[=hh:mm:ss]...  Make a new package from media files; --fit stores
                                    copies fitted to the screen and player
  list PKG                          Print a package&apos;s playlist
  check PKG                         Verify a package&apos;s structure, document and checksums
  update PKG                        Add, remove or retime entries in one transaction
  repair PKG                        Finish what an interrupted update left
  drives [--json]                   List the removable drives and their packages
  write PKG DRIVE... [--eject]      Write a package to drives at once, read back, eject
  verify PKG                        Read a package back from its drive

Run “mrv COMMAND --help” for a command&apos;s options.
Exit status: 0 done, 1 refused or failed, 2 wrong command line.</source>
        <translation>Uso: mrv COMANDO [opzioni] [argomenti]
Crea, elenca, controlla e aggiorna pacchetti di playlist (.mrv) da script.

Comandi:
  build USCITA.mrv FILE[=hh:mm:ss]...  Crea un nuovo pacchetto da file multimediali; --fit memorizza
                                       copie adattate allo schermo e al lettore
  list PACCHETTO                    Stampa la playlist di un pacchetto
  check PACCHETTO                   Controlla struttura, documento e checksum di un pacchetto
  update PACCHETTO                  Aggiungi, rimuovi o cambia il tempo di voci in una transazione
  repair PACCHETTO                  Completa ciò che un aggiornamento interrotto ha lasciato
  drives [--json]                   Elenca le unità rimovibili e i loro pacchetti
  write PACCHETTO UNITÀ... [--eject] Scrivi un pacchetto su più unità, rileggi, espelli
  verify PACCHETTO                  Rileggi un pacchetto dalla sua unità

Esegui «mrv COMANDO --help» per le opzioni di un comando.
Stato di uscita: 0 fatto, 1 rifiutato o non riuscito, 2 riga di comando errata.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Updating the package in place: do not remove the drive until it is done.</source>
        <translation>Aggiornamento del pacchetto sul posto: non rimuovere l&apos;unità finché non è terminato.</translation>
    </message>
    <message>
        <source>reading it failed: %1</source>
        <translation>lettura non riuscita: %1</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>l&apos;archivio è danneggiato</translation>
    </message>
    <message>
        <source>%1; the update is complete but could not be finished: it will be finished the next time the package is opened</source>
        <translation>%1; l&apos;aggiornamento è completo ma non è stato possibile concluderlo: verrà concluso alla prossima apertura del pacchetto</translation>
    </message>
    <message>
        <source>%1 is being updated by another program; waiting.</source>
        <translation>%1 è in corso di aggiornamento da parte di un altro programma; attesa.</translation>
    </message>
    <message>
        <source>It was not applied, and both were kept. If the package is as it should be, run “mrv repair --discard-journal %1”; otherwise copy the package and the journal elsewhere first.</source>
        <translation>Non è stato applicato, ed entrambi sono stati conservati. Se il pacchetto è come dovrebbe essere, esegui «mrv repair --discard-journal %1»; altrimenti copia prima il pacchetto e il giornale altrove.</translation>
    </message>
    <message>
        <source>What an interrupted save left beside %1 was removed: %2.</source>
        <translation>Ciò che un salvataggio interrotto ha lasciato accanto a %1 è stato rimosso: %2.</translation>
    </message>
    <message>
        <source>%1 stands where the journal of %2 belongs, but it is not a file. It was left alone; move it away.</source>
        <translation>%1 si trova dove dovrebbe stare il giornale di %2, ma non è un file. Non è stato toccato; spostalo altrove.</translation>
    </message>
    <message>
        <source>its drive cannot lock files, so its update may still be running</source>
        <translation>la sua unità non può bloccare i file, quindi il suo aggiornamento potrebbe essere ancora in corso</translation>
    </message>
    <message>
        <source>it is a link, and a journal is applied to the package itself only</source>
        <translation>è un collegamento, e un giornale si applica solo al pacchetto stesso</translation>
    </message>
    <message>
        <source>it is on another drive than its folder</source>
        <translation>si trova su un&apos;unità diversa dalla sua cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>The journal %1 holds an interrupted update of %2, which cannot be recovered now: %3. The journal was kept.</source>
        <translation>Il giornale %1 contiene un aggiornamento interrotto di %2 che ora non può essere recuperato: %3. Il giornale è stato conservato.</translation>
    </message>
    <message>
        <source>Cannot recover %1: it was replaced while it was opened.</source>
        <translation>Impossibile recuperare %1: è stato sostituito mentre era aperto.</translation>
    </message>
    <message>
        <source>Cannot recover %1: %2. The journal was kept.</source>
        <translation>Impossibile recuperare %1: %2. Il giornale è stato conservato.</translation>
    </message>
    <message>
        <source>The journal %1 of an interrupted update of %2 is damaged, so the package may be damaged too. The journal was kept: it holds the package&apos;s old bytes. Copy both elsewhere before you change anything; if the package is as it should be, run “mrv repair --discard-journal %3”.</source>
        <translation>Il giornale %1 di un aggiornamento interrotto di %2 è danneggiato, quindi anche il pacchetto potrebbe esserlo. Il giornale è stato conservato: contiene i vecchi byte del pacchetto. Copia entrambi altrove prima di cambiare qualsiasi cosa; se il pacchetto è come dovrebbe essere, esegui «mrv repair --discard-journal %3».</translation>
    </message>
    <message>
        <source>Cannot recover %1: %2.</source>
        <translation>Impossibile recuperare %1: %2.</translation>
    </message>
    <message>
        <source>An unfinished journal of %1 was removed; the package had not been changed.</source>
        <translation>Un giornale incompleto di %1 è stato rimosso; il pacchetto non era stato modificato.</translation>
    </message>
    <message>
        <source>The journal %1 of an interrupted update does not belong to %2 as it is now: %3. %4</source>
        <translation>Il giornale %1 di un aggiornamento interrotto non appartiene a %2 così com&apos;è ora: %3. %4</translation>
    </message>
    <message>
        <source>The last update of %1 had been completed before it was interrupted; its journal was removed.</source>
        <translation>L&apos;ultimo aggiornamento di %1 era stato completato prima dell&apos;interruzione; il suo giornale è stato rimosso.</translation>
    </message>
    <message>
        <source>The last update of %1 was interrupted; the package was restored as it was before that update.</source>
        <translation>L&apos;ultimo aggiornamento di %1 è stato interrotto; il pacchetto è stato ripristinato com&apos;era prima di quell&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Cannot recover %1 from its journal %2: %3. The journal was kept: it will be tried again the next time the package is opened.</source>
        <translation>Impossibile recuperare %1 dal suo giornale %2: %3. Il giornale è stato conservato: si riproverà alla prossima apertura del pacchetto.</translation>
    </message>
    <message>
        <source>Cannot discard the journal of %1: no lock can be taken on the package, so its update may still be running.</source>
        <translation>Impossibile scartare il giornale di %1: il pacchetto non può essere bloccato, quindi il suo aggiornamento potrebbe essere ancora in corso.</translation>
    </message>
    <message>
        <source>Cannot remove the journal %1: %2.</source>
        <translation>Impossibile rimuovere il giornale %1: %2.</translation>
    </message>
    <message>
        <source>The journal %1 was removed without being applied; %2 stays as it is.</source>
        <translation>Il giornale %1 è stato rimosso senza essere applicato; %2 resta com&apos;è.</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>non è un archivio zip</translation>
    </message>
    <message>
        <source>the archive is damaged (checksum mismatch)</source>
        <translation>l&apos;archivio è danneggiato (checksum non corrispondente)</translation>
    </message>
    <message>
        <source>the entry is encrypted</source>
        <translation>la voce è cifrata</translation>
    </message>
    <message>
        <source>the entry uses an unsupported compression method</source>
        <translation>la voce usa un metodo di compressione non supportato</translation>
    </message>
    <message>
        <source>the name “%1” cannot be stored in a package</source>
        <translation>il nome «%1» non può essere memorizzato in un pacchetto</translation>
    </message>
    <message>
        <source>the package would be %1, but the drive of %2 holds no file over %3</source>
        <translation>il pacchetto sarebbe di %1, ma l&apos;unità di %2 non accetta file oltre %3</translation>
    </message>
    <message>
        <source>the package needs %1, %2 free on %3</source>
        <translation>il pacchetto richiede %1, liberi %2 su %3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>Impossibile salvare %1: %2.</translation>
    </message>
    <message>
        <source>the drive is read-only (a read-only file system)</source>
        <translation>l&apos;unità è di sola lettura (un file system di sola lettura)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>you have no permission to write to the folder %1</source>
        <translation>non hai il permesso di scrivere nella cartella %1</translation>
    </message>
    <message>
        <source>cannot lock it: %1</source>
        <translation>impossibile bloccarlo: %1</translation>
    </message>
    <message>
        <source>The drive of %1 cannot lock files, so nothing kept other programs from changing the package while it was saved.</source>
        <translation>L&apos;unità di %1 non può bloccare i file, quindi nulla ha impedito ad altri programmi di modificare il pacchetto durante il salvataggio.</translation>
    </message>
    <message>
        <source>The package %1 was changed by another program since it was opened.</source>
        <translation>Il pacchetto %1 è stato modificato da un altro programma da quando è stato aperto.</translation>
    </message>
    <message>
        <source>the entry %1 is named twice</source>
        <translation>la voce %1 è nominata due volte</translation>
    </message>
    <message>
        <source>its playlist document is larger than 16 MiB</source>
        <translation>il suo documento della playlist supera i 16 MiB</translation>
    </message>
    <message>
        <source>cannot read the package %1: %2</source>
        <translation>impossibile leggere il pacchetto %1: %2</translation>
    </message>
    <message>
        <source>the package %1 holds no entry %2</source>
        <translation>il pacchetto %1 non contiene la voce %2</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>il salvataggio è stato annullato</translation>
    </message>
    <message>
        <source>The package %1 was saved, but the drive did not confirm it. Eject the drive safely before unplugging it.</source>
        <translation>Il pacchetto %1 è stato salvato, ma l&apos;unità non l&apos;ha confermato. Espelli l&apos;unità in sicurezza prima di scollegarla.</translation>
    </message>
    <message>
        <source>it holds no playlist document (json.txt)</source>
        <translation>non contiene un documento della playlist (json.txt)</translation>
    </message>
    <message>
        <source>; free %1, or Save As to another drive</source>
        <translation>; libera %1, oppure usa «Salva con nome» su un&apos;altra unità</translation>
    </message>
    <message>
        <source>%1, and it could not be restored yet: do not use the drive for anything else, and open the package again to restore it</source>
        <translation>%1, e non è stato ancora possibile ripristinarlo: non usare l&apos;unità per nient&apos;altro, e riapri il pacchetto per ripristinarlo</translation>
    </message>
    <message>
        <source>cannot create a file in the folder %1: %2</source>
        <translation>impossibile creare un file nella cartella %1: %2</translation>
    </message>
    <message>
        <source>the media file %1 is missing</source>
        <translation>il file multimediale %1 manca</translation>
    </message>
    <message>
        <source>the media file %1 is not a regular file</source>
        <translation>il file multimediale %1 non è un file normale</translation>
    </message>
    <message>
        <source>cannot read the media file %1: %2</source>
        <translation>impossibile leggere il file multimediale %1: %2</translation>
    </message>
    <message>
        <source>the media file %1 changed while the package was being saved</source>
        <translation>il file multimediale %1 è cambiato durante il salvataggio del pacchetto</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write the journal %1</source>
        <translation>impossibile scrivere il giornale %1</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>impossibile leggere il pacchetto</translation>
    </message>
    <message>
        <source>cannot read the journal %1</source>
        <translation>impossibile leggere il giornale %1</translation>
    </message>
    <message>
        <source>cannot restore the package</source>
        <translation>impossibile ripristinare il pacchetto</translation>
    </message>
    <message>
        <source>cannot remove the journal %1</source>
        <translation>impossibile rimuovere il giornale %1</translation>
    </message>
    <message>
        <source>it was made for another package</source>
        <translation>è stato creato per un altro pacchetto</translation>
    </message>
    <message>
        <source>the package is another file than the one the update began on</source>
        <translation>il pacchetto è un file diverso da quello su cui è iniziato l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>its length (%1 bytes) is none the update could leave</source>
        <translation>la sua lunghezza (%1 byte) non è tra quelle che l&apos;aggiornamento poteva lasciare</translation>
    </message>
    <message>
        <source>its bytes before offset %1 are not those the update left alone</source>
        <translation>i suoi byte prima della posizione %1 non sono quelli che l&apos;aggiornamento ha lasciato intatti</translation>
    </message>
    <message>
        <source>its bytes from offset %1 on are neither those it had before the update nor those the update wrote</source>
        <translation>i suoi byte dalla posizione %1 in poi non sono né quelli di prima dell&apos;aggiornamento né quelli che ha scritto</translation>
    </message>
    <message>
        <source>the archive holds too many entries</source>
        <translation>l&apos;archivio contiene troppe voci</translation>
    </message>
    <message>
        <source>the entry “%1” is not a plain file name</source>
        <translation>la voce «%1» non è un semplice nome di file</translation>
    </message>
    <message>
        <source>it holds the entry “%1” twice</source>
        <translation>contiene due volte la voce «%1»</translation>
    </message>
    <message>
        <source>the entry “%1” is encrypted</source>
        <translation>la voce «%1» è cifrata</translation>
    </message>
    <message>
        <source>the entry “%1” uses an unsupported compression method</source>
        <translation>la voce «%1» usa un metodo di compressione non supportato</translation>
    </message>
    <message>
        <source>the entry “%1” has a size field this program does not support</source>
        <translation>la voce «%1» ha un campo dimensione che questo programma non supporta</translation>
    </message>
    <message>
        <source>too many files are open at once (%1)</source>
        <translation>troppi file aperti contemporaneamente (%1)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>i suoi dati sono danneggiati</translation>
    </message>
    <message>
        <source>it holds no entry %1</source>
        <translation>non contiene la voce %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>the entry %1 is too large (%2 bytes, at most %3 are read)</source>
        <translation>la voce %1 è troppo grande (%2 byte, se ne leggono al massimo %3)</translation>
    </message>
    <message>
        <source>the entry %1: %2</source>
        <translation>la voce %1: %2</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>il controllo è stato annullato</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%L1 B</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%L1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%L1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%L1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%L1 TB</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numero di serie %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>The drive service of this computer (UDisks2) cannot be reached (%1), so drives cannot be listed or ejected here. Choose the drive&apos;s folder instead.</source>
        <translation>Il servizio unità di questo computer (UDisks2) non è raggiungibile (%1), quindi qui non è possibile elencare né espellere le unità. Scegli invece la cartella dell&apos;unità.</translation>
    </message>
    <message>
        <source>a program still has a file open on it; close it and try again</source>
        <translation>un programma ha ancora un file aperto su di essa; chiudilo e riprova</translation>
    </message>
    <message>
        <source>this user may not do that (%1)</source>
        <translation>questo utente non può farlo (%1)</translation>
    </message>
    <message>
        <source>there is no system bus</source>
        <translation>non c&apos;è un bus di sistema</translation>
    </message>
    <message>
        <source>“%1” is not a drive the drive service knows; unmount it by hand before removing it.</source>
        <translation>«%1» non è un&apos;unità nota al servizio unità; smontala a mano prima di rimuoverla.</translation>
    </message>
    <message>
        <source>“%1” could not be unmounted: %2.</source>
        <translation>Impossibile smontare «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: another program is writing it (%2). Close it and try again.</source>
        <translation>Impossibile scrivere %1: un altro programma lo sta scrivendo (%2). Chiudilo e riprova.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>Cancelled: %1 was left as it was.</source>
        <translation>Annullato: %1 è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2. Its new version is complete; write to the drive again to finish it.</source>
        <translation>Impossibile concludere %1: %2. La sua nuova versione è completa; scrivi di nuovo sull&apos;unità per concluderla.</translation>
    </message>
    <message>
        <source>%1 Its old version could not be put back yet (%2): do not use the drive for anything else, and write to it again to restore it.</source>
        <translation>%1 Non è stato ancora possibile rimettere la sua versione precedente (%2): non usare l&apos;unità per nient&apos;altro, e scrivici di nuovo per ripristinarla.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>The drive was left as it was.</source>
        <translation>L&apos;unità è rimasta com&apos;era.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. The drive was left as it was.</source>
        <translation>Impossibile scrivere %1: %2. L&apos;unità è rimasta com&apos;era.</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Scritto</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificato</translation>
    </message>
    <message>
        <source>Safe to remove</source>
        <translation>Può essere rimossa in sicurezza</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Finishing: writing the last data to the stick</source>
        <translation>Conclusione: scrittura degli ultimi dati sulla chiavetta</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>%1 of %2 drives done.</source>
        <translation>%1 unità su %2 completate.</translation>
    </message>
    <message>
        <source>Cancelled: %1, each left as it was.</source>
        <translation>Annullato: %1, ognuna rimasta com&apos;era.</translation>
    </message>
    <message>
        <source>Skipped: %1, each keeping its own package.</source>
        <translation>Saltato: %1, ognuna mantiene il proprio pacchetto.</translation>
    </message>
    <message>
        <source>Failed: %1; each says why and what it holds.</source>
        <translation>Non riuscito: %1; ognuna indica perché e cosa contiene.</translation>
    </message>
    <message>
        <source>not readable as a playlist</source>
        <translation>non leggibile come playlist</translation>
    </message>
    <message>
        <source>saved %1, 1 item</source>
        <translation>salvato %1, 1 elemento</translation>
    </message>
    <message>
        <source>saved %1, %2 items</source>
        <translation>salvato %1, %2 elementi</translation>
    </message>
    <message>
        <source>“%1” holds a newer %2 (%3); replace it?</source>
        <translation>«%1» contiene una versione più recente di %2 (%3); sostituirla?</translation>
    </message>
    <message>
        <source>“%1” holds another playlist named %2 (%3), not a version of this one; replace it?</source>
        <translation>«%1» contiene un&apos;altra playlist chiamata %2 (%3), non una versione di questa; sostituirla?</translation>
    </message>
    <message>
        <source>“%1” is not mounted at %2 any more, so nothing was written there. Plug it in again, then Refresh.</source>
        <translation>«%1» non è più montata in %2, quindi lì non è stato scritto nulla. Ricollegala, poi premi «Aggiorna».</translation>
    </message>
    <message>
        <source>It was not replaced.</source>
        <translation>Non è stato sostituito.</translation>
    </message>
    <message>
        <source>%1 holds the new package; reading it back was cancelled.</source>
        <translation>%1 contiene il nuovo pacchetto; la rilettura è stata annullata.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a drive this computer can eject; unmount its drive by hand before removing it.</source>
        <translation>%1 è una cartella, non un&apos;unità che questo computer può espellere; smonta la sua unità a mano prima di rimuoverla.</translation>
    </message>
    <message>
        <source>The drive returned other data for %1 than was written (%2): it may be failing, or smaller than it claims. Do not use it; write the package to another drive.</source>
        <translation>L&apos;unità ha restituito per %1 dati diversi da quelli scritti (%2): potrebbe essere guasta, o più piccola di quanto dichiara. Non usarla; scrivi il pacchetto su un&apos;altra unità.</translation>
    </message>
    <message>
        <source>The check of %1 was cancelled.</source>
        <translation>Il controllo di %1 è stato annullato.</translation>
    </message>
    <message>
        <source>Cannot read %1 back from its drive: %2.</source>
        <translation>Impossibile rileggere %1 dalla sua unità: %2.</translation>
    </message>
    <message>
        <source>its playlist document is missing</source>
        <translation>il suo documento della playlist manca</translation>
    </message>
    <message>
        <source>its playlist document differs from the one built</source>
        <translation>il suo documento della playlist differisce da quello creato</translation>
    </message>
    <message>
        <source>the link points to nothing</source>
        <translation>il collegamento non punta a nulla</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>its name holds a control character, which a package cannot store</source>
        <translation>il suo nome contiene un carattere di controllo, che un pacchetto non può memorizzare</translation>
    </message>
    <message>
        <source>A package holds one file per name, and these files share a name (letter case does not count on USB sticks):</source>
        <translation>Un pacchetto contiene un file per nome, e questi file condividono un nome (sulle chiavette USB maiuscole e minuscole non contano):</translation>
    </message>
    <message>
        <source>Rename one file of each pair and add it again.</source>
        <translation>Rinomina un file di ogni coppia e aggiungilo di nuovo.</translation>
    </message>
    <message>
        <source>The name %1 belongs to the playlist document:</source>
        <translation>Il nome %1 appartiene al documento della playlist:</translation>
    </message>
    <message>
        <source>Rename these files and add them again.</source>
        <translation>Rinomina questi file e aggiungili di nuovo.</translation>
    </message>
    <message>
        <source>This program has too many files open at once (%1), so %2 media files could not be checked. Close other programs or raise the limit of open files (ulimit -n), then save again.</source>
        <translation>Questo programma ha troppi file aperti contemporaneamente (%1), quindi non è stato possibile controllare %2 file multimediali. Chiudi altri programmi o aumenta il limite di file aperti (ulimit -n), poi salva di nuovo.</translation>
    </message>
    <message>
        <source>These media files cannot be saved:</source>
        <translation>Questi file multimediali non possono essere salvati:</translation>
    </message>
    <message>
        <source>Put them back or rename them, or delete their rows.</source>
        <translation>Rimettili al loro posto o rinominali, oppure elimina le loro righe.</translation>
    </message>
    <message>
        <source>The playlist was not saved; nothing was written.</source>
        <translation>La playlist non è stata salvata; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>“%1”: the playlist plays “%2”, but the package holds no such file. Add the file again, or remove it from the playlist.</source>
        <translation>«%1»: la playlist riproduce «%2», ma il pacchetto non contiene quel file. Aggiungi di nuovo il file, oppure toglilo dalla playlist.</translation>
    </message>
    <message>
        <source>“%1”: the entry “%2” is played by no playlist row.</source>
        <translation>«%1»: nessuna riga della playlist riproduce la voce «%2».</translation>
    </message>
    <message>
        <source>Cannot read %1: it holds no playlist document (json.txt).</source>
        <translation>Impossibile leggere %1: non contiene un documento della playlist (json.txt).</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is larger than 16 MiB.</source>
        <translation>Impossibile leggere %1: il suo documento della playlist supera i 16 MiB.</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is not valid JSON (%2).</source>
        <translation>Impossibile leggere %1: il suo documento della playlist non è JSON valido (%2).</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is not a JSON object.</source>
        <translation>Impossibile leggere %1: il suo documento della playlist non è un oggetto JSON.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>A package holds at most %1 rows, and this playlist has %2. Split it into two packages.</source>
        <translation>Un pacchetto contiene al massimo %1 righe, e questa playlist ne ha %2. Dividila in due pacchetti.</translation>
    </message>
    <message>
        <source>The package %1 cannot be read: %2. Check the drive (reconnect it if it was pulled out), then save again; or save the playlist under a new name on another drive.</source>
        <translation>Impossibile leggere il pacchetto %1: %2. Controlla l&apos;unità (ricollegala se è stata scollegata), poi salva di nuovo; oppure salva la playlist con un nuovo nome su un&apos;altra unità.</translation>
    </message>
    <message>
        <source>The package %1 is no longer there, so it cannot be updated. Reconnect its drive or put it back, then save again; or save the playlist under a new name.</source>
        <translation>Il pacchetto %1 non c&apos;è più, quindi non può essere aggiornato. Ricollega la sua unità o rimettilo al suo posto, poi salva di nuovo; oppure salva la playlist con un nuovo nome.</translation>
    </message>
    <message>
        <source>The files added would replace files that rows still play: %1.</source>
        <translation>I file aggiunti sostituirebbero file che alcune righe riproducono ancora: %1.</translation>
    </message>
    <message>
        <source>The playlist is too large to open again: a package holds at most %1 rows with names of ordinary length. Split it into two packages.</source>
        <translation>La playlist è troppo grande per essere riaperta: un pacchetto contiene al massimo %1 righe con nomi di lunghezza normale. Dividila in due pacchetti.</translation>
    </message>
    <message>
        <source>The playlist was not saved: its document and its files would disagree.</source>
        <translation>La playlist non è stata salvata: il suo documento e i suoi file non corrisponderebbero.</translation>
    </message>
    <message>
        <source>The save was cancelled.</source>
        <translation>Il salvataggio è stato annullato.</translation>
    </message>
    <message>
        <source>The playlist was saved, but it cannot be read back: %1</source>
        <translation>La playlist è stata salvata, ma non può essere riletta: %1</translation>
    </message>
    <message>
        <source>The package %1 was written, but its document and its files disagree; the player will not play all of it. Save it again.</source>
        <translation>Il pacchetto %1 è stato scritto, ma il suo documento e i suoi file non corrispondono; il lettore non lo riprodurrà per intero. Salvalo di nuovo.</translation>
    </message>
    <message>
        <source>not a kept playlist</source>
        <translation>non è una playlist conservata</translation>
    </message>
    <message>
        <source>a row has no time or no file</source>
        <translation>una riga non ha tempo o non ha file</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>No time given: type whole seconds (90), minutes and seconds (1:30) or hh:mm:ss (00:01:30).</source>
        <translation>Nessun tempo indicato: digita secondi interi (90), minuti e secondi (1:30) o hh:mm:ss (00:01:30).</translation>
    </message>
    <message>
        <source>“%1” is no time: type whole seconds (90), minutes and seconds (1:30) or hh:mm:ss (00:01:30).</source>
        <translation>«%1» non è un tempo: digita secondi interi (90), minuti e secondi (1:30) o hh:mm:ss (00:01:30).</translation>
    </message>
    <message>
        <source>“%1” is no time: seconds after a colon go from 00 to 59.</source>
        <translation>«%1» non è un tempo: i secondi dopo i due punti vanno da 00 a 59.</translation>
    </message>
    <message>
        <source>“%1” is no time: minutes between colons go from 00 to 59.</source>
        <translation>«%1» non è un tempo: i minuti tra i due punti vanno da 00 a 59.</translation>
    </message>
    <message>
        <source>“%1” is too long: a time goes up to 23:59:59.</source>
        <translation>«%1» è troppo lungo: un tempo arriva al massimo a 23:59:59.</translation>
    </message>
    <message>
        <source>the disk kept other bytes than were written (is it full?)</source>
        <translation>il disco ha conservato byte diversi da quelli scritti (è pieno?)</translation>
    </message>
    <message>
        <source>The folders to start in next time could not be remembered: %1 cannot be written (%2).</source>
        <translation>Non è stato possibile ricordare le cartelle di partenza per la prossima volta: impossibile scrivere %1 (%2).</translation>
    </message>
    <message>
        <source>The length of the video “%1” is not known yet: wait until the table has checked it, then try again.</source>
        <translation>La durata del video «%1» non è ancora nota: attendi che la tabella l&apos;abbia controllato, poi riprova.</translation>
    </message>
    <message>
        <source>The playlist has no images: only the times of images can change, videos play for their own length. Add an image first.</source>
        <translation>La playlist non contiene immagini: si possono cambiare solo i tempi delle immagini, i video durano quanto la loro lunghezza. Aggiungi prima un&apos;immagine.</translation>
    </message>
    <message>
        <source>The videos alone play %1, which leaves less than a second for each of the %2 images. Choose a loop of at least %3, or remove a video.</source>
        <translation>I video da soli durano %1, il che lascia meno di un secondo a ciascuna delle %2 immagini. Scegli un ciclo di almeno %3, oppure rimuovi un video.</translation>
    </message>
    <message>
        <source>Each image would show for a day or longer: choose a shorter loop.</source>
        <translation>Ogni immagine verrebbe mostrata per un giorno o più: scegli un ciclo più breve.</translation>
    </message>
</context>
<context>
    <name>DrivesDialog</name>
    <message>
        <source>Write to Drives</source>
        <translation>Scrivi sulle unità</translation>
    </message>
    <message>
        <source>Write “%1” to the drives ticked below. A drive that holds an older version gets only what changed.</source>
        <translation>Scrivi %1 sulle unità spuntate qui sotto. Un&apos;unità che contiene una versione precedente riceve solo ciò che è cambiato.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Produttore e modello</translation>
    </message>
    <message>
        <source>Mounted at</source>
        <translation>Montata in</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pacchetti</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Read back from each drive</source>
        <translation>Rileggi da ogni unità</translation>
    </message>
    <message>
        <source>Eject when done</source>
        <translation>Espelli al termine</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Scegli cartella…</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Looking for drives…</source>
        <translation>Ricerca delle unità…</translation>
    </message>
    <message>
        <source>Choose a drive&apos;s folder</source>
        <translation>Scegli la cartella di un&apos;unità</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>No removable drive is plugged in. Plug one in, or choose a folder.</source>
        <translation>Nessuna unità rimovibile collegata. Collegane una, oppure scegli una cartella.</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s) found.</source>
        <translation>
            <numerusform>%n unità trovata.</numerusform>
            <numerusform>%n unità trovate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only drives listed by this computer&apos;s drive service can be ejected here; a folder cannot.</source>
        <translation>Qui si possono espellere solo le unità note al servizio unità di questo computer; una cartella no.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Annullato: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Reading what the drives hold…</source>
        <translation>Lettura del contenuto delle unità…</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 di %3</translation>
    </message>
    <message>
        <source>, %1/s, %2 s left</source>
        <translation>, %1/s, mancano %2 s</translation>
    </message>
    <message>
        <source>%1 of %2 drives done.</source>
        <translation>%1 unità su %2 completate.</translation>
    </message>
    <message>
        <source>%1 written in %2 s</source>
        <translation>%1 scritti in %2 s</translation>
    </message>
    <message>
        <source>held this package already</source>
        <translation>conteneva già questo pacchetto</translation>
    </message>
    <message>
        <source>; read back in %1 s</source>
        <translation>; riletto in %1 s</translation>
    </message>
    <message>
        <source>Cancelling: a drive being written keeps the package it had…</source>
        <translation>Annullamento: un&apos;unità in scrittura mantiene il pacchetto che aveva…</translation>
    </message>
</context>
<context>
    <name>JobProgressDialog</name>
    <message>
        <source>%1 s left</source>
        <translation>mancano %1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <translation>mancano %1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min left</source>
        <translation>mancano %1 h %2 min</translation>
    </message>
    <message>
        <source>Compiling media...</source>
        <translation>Composizione dei file multimediali…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 di %2 MB</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Merovi USB Playlist builder</source>
        <translation>Merovi USB Playlist builder</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Go online with Merovi</source>
        <translation>Merovi online</translation>
    </message>
    <message>
        <source>https://www.example.com/wordpress</source>
        <translation>https://www.example.com/wordpress</translation>
    </message>
    <message numerus="yes">
        <source>a new playlist of %n rows</source>
        <translation>
            <numerusform>una nuova playlist di %n riga</numerusform>
            <numerusform>una nuova playlist di %n righe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the package %1</source>
        <translation>
            <numerusform>%n riga del pacchetto %1</numerusform>
            <numerusform>%n righe del pacchetto %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved playlist</source>
        <translation>Playlist non salvata</translation>
    </message>
    <message>
        <source>The program ended without saving %1 (last edited %2). Bring it back?

Later keeps it for the next start.</source>
        <translation>Il programma si è chiuso senza salvare %1 (ultima modifica %2). Ripristinarla?

«Più tardi» la conserva per il prossimo avvio.</translation>
    </message>
    <message>
        <source>Bring Back</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n rows</source>
        <translation>
            <numerusform>%n riga ripristinata</numerusform>
            <numerusform>%n righe ripristinate</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to Drives…</source>
        <translation>Scrivi sulle unità…</translation>
    </message>
    <message>
        <source>Write to Drives</source>
        <translation>Scrivi sulle unità</translation>
    </message>
    <message>
        <source>Save the playlist first: the drives get the package as it was saved.</source>
        <translation>Salva prima la playlist: le unità ricevono il pacchetto così come è stato salvato.</translation>
    </message>
    <message>
        <source>Time(sec)</source>
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>The last update of %1 was interrupted. Finish it now? The package is then restored as it was before that update, or completed if the update had come to its end; a journal that does not belong to it is kept.</source>
        <translation>L&apos;ultimo aggiornamento di %1 è stato interrotto. Completarlo ora? Il pacchetto viene quindi ripristinato com&apos;era prima di quell&apos;aggiornamento, o completato se l&apos;aggiornamento era giunto al termine; un giornale che non gli appartiene viene conservato.</translation>
    </message>
    <message>
        <source>Interrupted save</source>
        <translation>Salvataggio interrotto</translation>
    </message>
    <message>
        <source>Save the changes before closing?</source>
        <translation>Salvare le modifiche prima di chiudere?</translation>
    </message>
    <message>
        <source>The new playlist</source>
        <translation>La nuova playlist</translation>
    </message>
    <message>
        <source>The playlist of %1</source>
        <translation>La playlist di %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 contiene modifiche non salvate.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>New playlist</source>
        <translation>Nuova playlist</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Playlist</source>
        <translation>&amp;Nuova playlist</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva &amp;con nome…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>No recent packages</source>
        <translation>Nessun pacchetto recente</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Svuota elenco</translation>
    </message>
    <message>
        <source>Save them before opening another package?</source>
        <translation>Salvarle prima di aprire un altro pacchetto?</translation>
    </message>
    <message>
        <source>Save them before starting a new playlist?</source>
        <translation>Salvarle prima di iniziare una nuova playlist?</translation>
    </message>
    <message>
        <source>Saved %1 at %2</source>
        <translation>%1 salvato alle %2</translation>
    </message>
    <message>
        <source>Saved %1 (%2) at %3</source>
        <translation>%1 (%2) salvato alle %3</translation>
    </message>
    <message>
        <source>%1 — verified, safe to remove</source>
        <translation>%1 – verificato, può essere rimosso in sicurezza</translation>
    </message>
    <message>
        <source>Opened %1: 1 item</source>
        <translation>%1 aperto: 1 elemento</translation>
    </message>
    <message>
        <source>Opened %1: %2 items</source>
        <translation>%1 aperto: %2 elementi</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Merovi USB Playlist builder %1&lt;/h3&gt;&lt;p&gt;Builds playlist packages for media players that play from a USB stick.&lt;/p&gt;&lt;p&gt;Qt %2 (built with %3)&lt;br&gt;libzip %4&lt;br&gt;FFmpeg %5&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Merovi USB Playlist builder %1&lt;/h3&gt;&lt;p&gt;Crea pacchetti di playlist per lettori multimediali che riproducono da una chiavetta USB.&lt;/p&gt;&lt;p&gt;Qt %2 (compilato con %3)&lt;br&gt;libzip %4&lt;br&gt;FFmpeg %5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read back from the drive in %1 s</source>
        <translation>Riletto dall&apos;unità in %L1 s</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… e altri %1</translation>
    </message>
    <message>
        <source>Looking at the files...</source>
        <translation>Esame dei file…</translation>
    </message>
    <message>
        <source>Finishing looking at the files before closing…</source>
        <translation>Completamento dell&apos;esame dei file prima di chiudere…</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>The player takes PNG and JPEG images and MP4 and AVI videos. These files will be converted, and the playlist will play the converted copies:
    %1

The files themselves are not changed.</source>
        <translation>Il lettore accetta immagini PNG e JPEG e video MP4 e AVI. Questi file verranno convertiti, e la playlist riprodurrà le copie convertite:
    %1

I file originali non vengono modificati.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Nothing converted</source>
        <translation>Nulla convertito</translation>
    </message>
    <message>
        <source>Converting media...</source>
        <translation>Conversione dei file multimediali…</translation>
    </message>
    <message>
        <source>Finishing the conversion before closing…</source>
        <translation>Completamento della conversione prima di chiudere…</translation>
    </message>
    <message>
        <source>Conversion cancelled</source>
        <translation>Conversione annullata</translation>
    </message>
    <message>
        <source>Converted 1 file</source>
        <translation>1 file convertito</translation>
    </message>
    <message>
        <source>Converted %1 files</source>
        <translation>%1 file convertiti</translation>
    </message>
    <message>
        <source>These files were not added:

%1</source>
        <translation>Questi file non sono stati aggiunti:

%1</translation>
    </message>
    <message>
        <source>%1 was not converted: cancelled.</source>
        <translation>%1 non è stato convertito: annullato.</translation>
    </message>
    <message>
        <source>Select file to save</source>
        <translation>Scegli il file da salvare</translation>
    </message>
    <message>
        <source>Merovi file (*.mrv)</source>
        <translation>File Merovi (*.mrv)</translation>
    </message>
    <message>
        <source>Reading the package...</source>
        <translation>Lettura del pacchetto…</translation>
    </message>
    <message>
        <source>Finishing reading the package before closing…</source>
        <translation>Completamento della lettura del pacchetto prima di chiudere…</translation>
    </message>
    <message>
        <source>The playlist on screen was kept. Choose a playlist package saved by this program.</source>
        <translation>La playlist sullo schermo è stata mantenuta. Scegli un pacchetto salvato con questo programma.</translation>
    </message>
    <message>
        <source>The package %1 lacks media files its playlist names; the player will skip or stop at them:
    %2

Add these files again, or delete their rows.</source>
        <translation>Al pacchetto %1 mancano file multimediali che la sua playlist nomina; il lettore li salterà o si fermerà lì:
    %2

Aggiungi di nuovo questi file, oppure elimina le loro righe.</translation>
    </message>
    <message>
        <source>Nothing to save: add files to the playlist first</source>
        <translation>Nulla da salvare: aggiungi prima dei file alla playlist</translation>
    </message>
    <message>
        <source>No changes to save</source>
        <translation>Nessuna modifica da salvare</translation>
    </message>
    <message>
        <source>Save an empty playlist? The player will then show nothing.</source>
        <translation>Salvare una playlist vuota? Il lettore non mostrerà nulla.</translation>
    </message>
    <message>
        <source>The package %1 already holds files of these names, and rows of the playlist play them:
    %2

Replace them with the files you added? Every row that plays one of these names will then play the new file. Cancel changes nothing.</source>
        <translation>Il pacchetto %1 contiene già file con questi nomi, e righe della playlist li riproducono:
    %2

Sostituirli con i file aggiunti? Ogni riga che riproduce uno di questi nomi riprodurrà allora il nuovo file. «Annulla» non cambia nulla.</translation>
    </message>
    <message>
        <source>Replace files</source>
        <translation>Sostituisci file</translation>
    </message>
    <message>
        <source>Cannot save as %1: the name is empty before its extension.
Choose a name such as show.mrv.</source>
        <translation>Impossibile salvare come %1: il nome è vuoto prima dell&apos;estensione.
Scegli un nome come show.mrv.</translation>
    </message>
    <message>
        <source>The package %1 exists already. Replace it with this playlist? Everything it holds is then lost.</source>
        <translation>Il pacchetto %1 esiste già. Sostituirlo con questa playlist? Tutto ciò che contiene andrà perso.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Compiling media...</source>
        <translation>Composizione dei file multimediali…</translation>
    </message>
    <message>
        <source>Finishing the save before closing…</source>
        <translation>Completamento del salvataggio prima di chiudere…</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Salvare comunque?</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Salva comunque</translation>
    </message>
    <message>
        <source>The package %1 was changed by another program since you opened it. Reload it (your edits are lost), save over it anyway, or cancel.</source>
        <translation>Il pacchetto %1 è stato modificato da un altro programma da quando l&apos;hai aperto. Ricaricalo (le tue modifiche vanno perse), salvaci sopra comunque, oppure annulla.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Save cancelled</source>
        <translation>Salvataggio annullato</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non salvato</translation>
    </message>
    <message>
        <source>Media (*.png *.jpg *.mp4 *.avi)</source>
        <translation>File multimediali (*.png *.jpg *.mp4 *.avi)</translation>
    </message>
    <message>
        <source>All photos and videos this program takes (%1)</source>
        <translation>Tutte le foto e i video che questo programma accetta (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Aggiungi cartella…</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Drop Files</source>
        <translation>Rilascia file</translation>
    </message>
    <message>
        <source>These files were not added: they are neither images nor videos this computer can read, or they are gone.
    %1

Check that they open in an image viewer or a video player, then add them again.</source>
        <translation>Questi file non sono stati aggiunti: non sono immagini né video che questo computer sa leggere, oppure non ci sono più.
    %1

Verifica che si aprano in un visualizzatore di immagini o in un lettore video, poi aggiungili di nuovo.</translation>
    </message>
    <message>
        <source>Videos play for their own length. Select an image to set its time.</source>
        <translation>I video durano quanto la loro lunghezza. Seleziona un&apos;immagine per impostarne il tempo.</translation>
    </message>
    <message>
        <source>How long the selected images show: type seconds (90), minutes and seconds (1:30) or hh:mm:ss, then press Enter.</source>
        <translation>Per quanto tempo vengono mostrate le immagini selezionate: digita secondi (90), minuti e secondi (1:30) o hh:mm:ss, poi premi Invio.</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Scegli uno o più file da aprire</translation>
    </message>
    <message>
        <source>Select a folder of media</source>
        <translation>Scegli una cartella di file multimediali</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Videos play for their own length: Apply changed nothing</source>
        <translation>I video durano quanto la loro lunghezza: «Applica» non ha cambiato nulla</translation>
    </message>
    <message>
        <source>stored in %1</source>
        <translation>salvato in %1</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>dura %1</translation>
    </message>
    <message>
        <source>May not play: %1</source>
        <translation>Potrebbe non essere riprodotto: %1</translation>
    </message>
    <message>
        <source>1 item · total %1</source>
        <translation>1 elemento · totale %1</translation>
    </message>
    <message>
        <source>%1 items · total %2</source>
        <translation>%1 elementi · totale %2</translation>
    </message>
    <message>
        <source>+ 1 video of unknown length</source>
        <translation>+ 1 video di durata sconosciuta</translation>
    </message>
    <message>
        <source>+ %1 videos of unknown length</source>
        <translation>+ %1 video di durata sconosciuta</translation>
    </message>
    <message>
        <source>(checking media…)</source>
        <translation>(controllo dei file multimediali…)</translation>
    </message>
    <message>
        <source>%1 — converted from %2</source>
        <translation>%1 – convertito da %2</translation>
    </message>
    <message>
        <source>Converted from %1</source>
        <translation>Convertito da %1</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Aggiungi file o trascinali qui</translation>
    </message>
    <message>
        <source>Nothing to preview: add files to the playlist first</source>
        <translation>Nulla da visualizzare in anteprima: aggiungi prima dei file alla playlist</translation>
    </message>
    <message>
        <source>&amp;Fit the Loop to…</source>
        <translation>Adatta la durata del &amp;ciclo…</translation>
    </message>
    <message>
        <source>Screen and &amp;Player…</source>
        <translation>Schermo e &amp;lettore…</translation>
    </message>
    <message>
        <source>Fit the Loop</source>
        <translation>Adatta la durata del ciclo</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long should the whole loop last? The images share the time the videos leave; videos keep their length.</source>
        <translation>Quanto deve durare l&apos;intero ciclo? Le immagini si dividono il tempo lasciato dai video; i video mantengono la loro durata.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>These files are larger or richer than this screen and its player need, or show wrongly there:
    %1

Fit them to the screen? The package then holds smaller copies, quicker to write to the stick; the files themselves are not changed.</source>
        <translation>Questi file sono più grandi o più esigenti di quanto serva a questo schermo e al suo lettore, oppure lì non vengono mostrati correttamente:
    %1

Adattarli allo schermo? Il pacchetto conterrà allora copie più piccole, più veloci da scrivere sulla chiavetta USB; i file originali non vengono modificati.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Save As They Are</source>
        <translation>Salva così come sono</translation>
    </message>
    <message>
        <source>Fitting media to the screen…</source>
        <translation>Adattamento dei file multimediali allo schermo…</translation>
    </message>
    <message>
        <source>Finishing fitting the media before closing…</source>
        <translation>Completamento dell&apos;adattamento dei file multimediali prima di chiudere…</translation>
    </message>
    <message>
        <source>Fitting cancelled; nothing saved</source>
        <translation>Adattamento annullato; nulla salvato</translation>
    </message>
    <message>
        <source>These files could not be fitted, so nothing was saved:

%1</source>
        <translation>Non è stato possibile adattare questi file, quindi non è stato salvato nulla:

%1</translation>
    </message>
    <message>
        <source>Fit to the Screen</source>
        <translation>Adatta allo schermo</translation>
    </message>
    <message>
        <source>fitted 1 file: %1 → %2</source>
        <translation>1 file adattato: %1 → %2</translation>
    </message>
    <message>
        <source>fitted %1 files: %2 → %3</source>
        <translation>%1 file adattati: %2 → %3</translation>
    </message>
    <message>
        <source>The loop now lasts %1</source>
        <translation>Il ciclo ora dura %1</translation>
    </message>
    <message>
        <source>Exceeds this screen and player: %1</source>
        <translation>Supera le capacità di questo schermo e lettore: %1</translation>
    </message>
    <message>
        <source>%1 — fitted from %2</source>
        <translation>%1 – adattato da %2</translation>
    </message>
    <message>
        <source>Screen and player: %1</source>
        <translation>Schermo e lettore: %1</translation>
    </message>
    <message>
        <source>New &amp;Text Slide…</source>
        <translation>&amp;Nuova diapositiva di testo…</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Diapositiva di testo</translation>
    </message>
    <message>
        <source>Edit Text Slide</source>
        <translation>Modifica diapositiva di testo</translation>
    </message>
    <message>
        <source>New Text Slide</source>
        <translation>Nuova diapositiva di testo</translation>
    </message>
    <message>
        <source>Making the slide…</source>
        <translation>Creazione della diapositiva…</translation>
    </message>
    <message>
        <source>Finishing the slide before closing…</source>
        <translation>Completamento della diapositiva prima di chiudere…</translation>
    </message>
    <message>
        <source>Opening the slide…</source>
        <translation>Apertura della diapositiva…</translation>
    </message>
</context>
<context>
    <name>MediaText</name>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>%1 could not be converted: %2.</source>
        <translation>Impossibile convertire %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be converted: it is %2×%3 pixels, too large to decode safely. Scale it down to the screen&apos;s size.</source>
        <translation>Impossibile convertire %1: è di %2×%3 pixel, troppo grande per decodificarlo in sicurezza. Riducilo alla dimensione dello schermo.</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>non contiene alcuna immagine</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1 to MP4, streams copied</source>
        <translation>%1 in MP4, flussi copiati</translation>
    </message>
    <message>
        <source>%1 to MP4, encoded again as H.264</source>
        <translation>%1 in MP4, ricodificato in H.264</translation>
    </message>
    <message>
        <source>%1 could not be converted: %2 cannot be written (%3).</source>
        <translation>Impossibile convertire %1: impossibile scrivere %2 (%3).</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP4: %2.</source>
        <translation>Impossibile convertire %1 in MP4: %2.</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>impossibile rinominare %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the player takes PNG and JPEG images and MP4 and AVI videos.</source>
        <translation>%1 non può essere convertito: il lettore accetta immagini PNG e JPEG e video MP4 e AVI.</translation>
    </message>
    <message>
        <source>The file %1 does not exist. Add it again from where it is now.</source>
        <translation>Il file %1 non esiste. Aggiungilo di nuovo da dove si trova ora.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file. Add the files in it instead.</source>
        <translation>%1 è una cartella, non un file. Aggiungi invece i file che contiene.</translation>
    </message>
    <message>
        <source>%1 is not a regular file. Add the media file itself.</source>
        <translation>%1 non è un file normale. Aggiungi il file multimediale stesso.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2. Check its permissions.</source>
        <translation>Impossibile leggere il file %1: %2. Controlla i suoi permessi.</translation>
    </message>
    <message>
        <source>%1 cannot be read: the package does not exist any more. Open it again from where it is now.</source>
        <translation>Impossibile leggere %1: il pacchetto non esiste più. Riaprilo da dove si trova ora.</translation>
    </message>
    <message>
        <source>The package %1 lacks the file %2 its playlist names. Add the file again, or remove its row.</source>
        <translation>Al pacchetto %1 manca il file %2 che la sua playlist nomina. Aggiungi di nuovo il file, oppure togli la sua riga.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is empty. Copy it again from the original.</source>
        <translation>%1 è vuoto. Copialo di nuovo dall&apos;originale.</translation>
    </message>
    <message>
        <source>%1 is not an image: its content is not %2 data. Check that it is the right file.</source>
        <translation>%1 non è un&apos;immagine: il suo contenuto non è nel formato %2. Verifica che sia il file giusto.</translation>
    </message>
    <message>
        <source>%1 holds a %2 image, not the %3 its name says; the player chooses its decoder by the name. Save it again as %3.</source>
        <translation>%1 contiene un&apos;immagine %2, non il %3 che indica il suo nome; il lettore sceglie il decodificatore in base al nome. Salvalo di nuovo come %3.</translation>
    </message>
    <message>
        <source>%1 is damaged: its header cannot be read (%2). Copy it again from the original.</source>
        <translation>%1 è danneggiato: la sua intestazione non può essere letta (%2). Copialo di nuovo dall&apos;originale.</translation>
    </message>
    <message>
        <source>%1 is %2×%3 pixels, too large to decode safely. Scale it down to the screen&apos;s size.</source>
        <translation>%1 è di %2×%3 pixel, troppo grande per decodificarlo in sicurezza. Riducilo alla dimensione dello schermo.</translation>
    </message>
    <message>
        <source>%1 was not read to its end.</source>
        <translation>%1 non è stato letto fino alla fine.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2). Copy it again from the original.</source>
        <translation>Impossibile decodificare %1 (%2). Copialo di nuovo dall&apos;originale.</translation>
    </message>
    <message>
        <source>%1 in the package %2</source>
        <translation>%1 nel pacchetto %2</translation>
    </message>
    <message>
        <source>%1 is not of a type the player accepts. Accepted are JPEG (.jpg) and PNG (.png) images, MP4 (.mp4) and AVI (.avi) videos, and .zip archives.</source>
        <translation>%1 non è di un tipo che il lettore accetta. Sono accettati immagini JPEG (.jpg) e PNG (.png), video MP4 (.mp4) e AVI (.avi), e archivi .zip.</translation>
    </message>
    <message>
        <source>%1 is stored compressed in the package, and examining it took longer than %2 seconds. Add the original file again: media are stored uncompressed, which players also read faster.</source>
        <translation>%1 è memorizzato compresso nel pacchetto, e il suo esame ha richiesto più di %2 secondi. Aggiungi di nuovo il file originale: i file multimediali vengono memorizzati non compressi, e così anche i lettori li leggono più in fretta.</translation>
    </message>
    <message>
        <source>%1 could not be read within %2 seconds; the drive may be slow. Try again, or copy the file to a faster drive.</source>
        <translation>Impossibile leggere %1 entro %2 secondi; l&apos;unità potrebbe essere lenta. Riprova, oppure copia il file su un&apos;unità più veloce.</translation>
    </message>
    <message>
        <source>%1 has no picture to show.</source>
        <translation>%1 non ha alcuna immagine da mostrare.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP4: the copy cannot be renamed.</source>
        <translation>Impossibile convertire %1 in MP4: la copia non può essere rinominata.</translation>
    </message>
    <message>
        <source>an image with the time 00:00:00 is never shown</source>
        <translation>un&apos;immagine con il tempo 00:00:00 non viene mai mostrata</translation>
    </message>
    <message>
        <source>1 file may not play:</source>
        <translation>1 file potrebbe non essere riprodotto:</translation>
    </message>
    <message>
        <source>%1 files may not play:</source>
        <translation>%1 file potrebbero non essere riprodotti:</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>la decodifica ha richiesto troppo tempo</translation>
    </message>
    <message>
        <source>no picture in it could be decoded</source>
        <translation>non è stato possibile decodificare alcuna immagine</translation>
    </message>
    <message>
        <source>its whole length</source>
        <translation>tutta la sua durata</translation>
    </message>
    <message>
        <source>%1 is cut short: plays about %2 of %3. It was not copied to its end; copy it again from the original.</source>
        <translation>%1 è troncato: dura circa %2 su %3. Non è stato copiato fino alla fine; copialo di nuovo dall&apos;originale.</translation>
    </message>
    <message>
        <source>%1 cannot be read: out of memory.</source>
        <translation>Impossibile leggere %1: memoria insufficiente.</translation>
    </message>
    <message>
        <source>%1 is not a video: its content is not MP4 or AVI data. Check that it is the right file.</source>
        <translation>%1 non è un video: il suo contenuto non è nel formato MP4 o AVI. Verifica che sia il file giusto.</translation>
    </message>
    <message>
        <source>%1 holds %2 data, not the %3 video its name says. Convert it, or give it the right extension.</source>
        <translation>%1 contiene dati %2, non il video %3 che indica il suo nome. Convertilo, oppure dagli l&apos;estensione giusta.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short: its index cannot be read. Copy it again from the original.</source>
        <translation>%1 è danneggiato o troncato: il suo indice non può essere letto. Copialo di nuovo dall&apos;originale.</translation>
    </message>
    <message>
        <source>%1 holds no video picture, only sound or data.</source>
        <translation>%1 non contiene immagini video, solo audio o dati.</translation>
    </message>
    <message>
        <source>%1 uses the video codec “%2”, which cannot be decoded here; the player most likely cannot play it either. Convert it to H.264.</source>
        <translation>%1 usa il codec video «%2», che qui non può essere decodificato; molto probabilmente nemmeno il lettore può riprodurlo. Convertilo in H.264.</translation>
    </message>
    <message>
        <source>%1 gives an impossible picture size of %2×%3 pixels; it is damaged. Copy it again from the original.</source>
        <translation>%1 indica una dimensione dell&apos;immagine impossibile di %2×%3 pixel; è danneggiato. Copialo di nuovo dall&apos;originale.</translation>
    </message>
    <message>
        <source>its picture format cannot be converted</source>
        <translation>il suo formato dell&apos;immagine non può essere convertito</translation>
    </message>
    <message>
        <source>%1 cannot be decoded: %2. Copy it again from the original, or convert it to H.264.</source>
        <translation>Impossibile decodificare %1: %2. Copialo di nuovo dall&apos;originale, oppure convertilo in H.264.</translation>
    </message>
    <message>
        <source>%1 is damaged near its end: its last pictures cannot be decoded (%2). Copy it again from the original.</source>
        <translation>%1 è danneggiato verso la fine: le sue ultime immagini non possono essere decodificate (%2). Copialo di nuovo dall&apos;originale.</translation>
    </message>
    <message>
        <source>%1×%2 photo: the screen shows %3×%4</source>
        <translation>Foto di %1×%2: lo schermo mostra %3×%4</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 con audio</translation>
    </message>
    <message>
        <source>%1 turned by a rotation flag</source>
        <translation>%1 ruotato da un indicatore di rotazione</translation>
    </message>
    <message>
        <source>this player plays up to %1 %2</source>
        <translation>questo lettore riproduce fino a %1 %2</translation>
    </message>
    <message>
        <source>%1 at %2 fps</source>
        <translation>%1 a %2 fps</translation>
    </message>
    <message>
        <source>this player plays no sound</source>
        <translation>questo lettore non riproduce l&apos;audio</translation>
    </message>
    <message>
        <source>this player ignores rotation flags</source>
        <translation>questo lettore ignora gli indicatori di rotazione</translation>
    </message>
    <message>
        <source>%1 could not be fitted to the screen: %2.</source>
        <translation>Impossibile adattare %1 allo schermo: %2.</translation>
    </message>
    <message>
        <source>its size cannot be read, or is too large to decode safely</source>
        <translation>non se ne può leggere la dimensione, o è troppo grande per decodificarlo in sicurezza</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>impossibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>The slide could not be kept: %1 cannot be written (%2). Check that there is space in your home folder.</source>
        <translation>Non è stato possibile conservare la diapositiva: impossibile scrivere %1 (%2). Controlla che ci sia spazio nella tua cartella personale.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be used: %2. Choose a JPEG or PNG photo no larger than 16384 pixels a side.</source>
        <translation>Impossibile usare l&apos;immagine di sfondo %1: %2. Scegli una foto JPEG o PNG non più grande di 16384 pixel per lato.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>è troppo grande</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be used: %2.</source>
        <translation>Impossibile usare l&apos;immagine di sfondo %1: %2.</translation>
    </message>
    <message>
        <source>The slide could not be kept: the folder %1 cannot be made. Check that there is space in your home folder.</source>
        <translation>Non è stato possibile conservare la diapositiva: impossibile creare la cartella %1. Controlla che ci sia spazio nella tua cartella personale.</translation>
    </message>
    <message>
        <source>The slide %1 could not be drawn.</source>
        <translation>Impossibile disegnare la diapositiva %1.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Previous item (Left)</source>
        <translation>Elemento precedente (Sinistra)</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausa (Spazio)</translation>
    </message>
    <message>
        <source>Next item (Right)</source>
        <translation>Elemento successivo (Destra)</translation>
    </message>
    <message>
        <source>Sound on or off; the preview starts without it</source>
        <translation>Audio attivo o disattivo; l&apos;anteprima parte senza audio</translation>
    </message>
    <message>
        <source>No sound device found: the preview plays without sound</source>
        <translation>Nessun dispositivo audio trovato: l&apos;anteprima viene riprodotta senza audio</translation>
    </message>
    <message>
        <source>Full screen (F11)</source>
        <translation>Schermo intero (F11)</translation>
    </message>
    <message>
        <source>Preview — %1 (%2 of %3)</source>
        <translation>Anteprima – %1 (%2 di %3)</translation>
    </message>
    <message>
        <source>Nothing to show: every item plays for 00:00:00.</source>
        <translation>Nulla da mostrare: ogni elemento dura 00:00:00.</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Riproduci (Spazio)</translation>
    </message>
    <message>
        <source>“%1” cannot be shown: %2</source>
        <translation>«%1» non può essere mostrato: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be played: %2</source>
        <translation>«%1» non può essere riprodotto: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>%1 / %2   %3 of %4</source>
        <translation>%1 / %2   %3 di %4</translation>
    </message>
    <message>
        <source>–:––</source>
        <translation>–:––</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
</context>
<context>
    <name>ScreenProfileDialog</name>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Full HD TV (1920×1080)</source>
        <translation>TV Full HD (1920×1080)</translation>
    </message>
    <message>
        <source>Full HD TV mounted upright (1080×1920)</source>
        <translation>TV Full HD montata in verticale (1080×1920)</translation>
    </message>
    <message>
        <source>HD signage player, no sound (1280×720)</source>
        <translation>Lettore per digital signage HD, senza audio (1280×720)</translation>
    </message>
    <message>
        <source>Basic USB player on a Full HD TV, clips up to 720p</source>
        <translation>Lettore USB semplice su una TV Full HD, video fino a 720p</translation>
    </message>
    <message>
        <source>4K TV (3840×2160, HEVC)</source>
        <translation>TV 4K (3840×2160, HEVC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Plays the clips&apos; sound</source>
        <translation>Riproduce l&apos;audio dei video</translation>
    </message>
    <message>
        <source>Turns clips by their rotation flag</source>
        <translation>Ruota i video secondo il loro indicatore di rotazione</translation>
    </message>
    <message>
        <source>Screen and Player</source>
        <translation>Schermo e lettore</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Portrait (mounted upright)</source>
        <translation>Verticale (schermo montato in verticale)</translation>
    </message>
    <message>
        <source> fps</source>
        <translation> fps</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Preimpostazione:</translation>
    </message>
    <message>
        <source>Screen &amp;resolution:</source>
        <translation>&amp;Risoluzione dello schermo:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>Orien&amp;tamento:</translation>
    </message>
    <message>
        <source>Largest &amp;video:</source>
        <translation>Dimensione massima dei &amp;video:</translation>
    </message>
    <message>
        <source>Video codecs:</source>
        <translation>Codec video:</translation>
    </message>
    <message>
        <source>Largest &amp;frame rate:</source>
        <translation>&amp;Frequenza dei fotogrammi massima:</translation>
    </message>
    <message>
        <source>Media larger or richer than this are marked in the table, and can be fitted to it when you save.</source>
        <translation>I file multimediali che superano questi valori vengono segnalati nella tabella e possono essere adattati al momento del salvataggio.</translation>
    </message>
</context>
<context>
    <name>SlideDialog</name>
    <message>
        <source>Text Slide</source>
        <translation>Diapositiva di testo</translation>
    </message>
    <message>
        <source>Headline and lines</source>
        <translation>Titolo e righe</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>&amp;Headline:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>L&amp;ines:</source>
        <translation>&amp;Righe:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>&amp;Price:</source>
        <translation>&amp;Prezzo:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Sfondo:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Colori:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Carattere:</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Scegli…</translation>
    </message>
    <message>
        <source>&amp;No Picture</source>
        <translation>&amp;Nessuna immagine</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Immagine di sfondo:</translation>
    </message>
    <message>
        <source>As the screen shows it (%1×%2)</source>
        <translation>Come la mostra lo schermo (%1×%2)</translation>
    </message>
    <message>
        <source>Slide Colour</source>
        <translation>Colore della diapositiva</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.bmp);;All files (*)</source>
        <translation>Immagini (*.jpg *.jpeg *.png *.webp *.bmp);;Tutti i file (*)</translation>
    </message>
</context>
</TS>
