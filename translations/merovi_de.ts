<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CliText</name>
    <message>
        <source>In “%1”: %2</source>
        <translation>In „%1“: %2</translation>
    </message>
    <message>
        <source>“%1” names no file.</source>
        <translation>„%1“ nennt keine Datei.</translation>
    </message>
    <message>
        <source>Warning: “%1” is not a .png, .jpg, .mp4 or .avi file; the playlist records it as of type 0 (other), which the player may skip.</source>
        <translation>Warnung: „%1“ ist keine .png-, .jpg-, .mp4- oder .avi-Datei; die Playlist verzeichnet sie als Typ 0 (sonstige), den der Player womöglich überspringt.</translation>
    </message>
    <message>
        <source>“%1” is a video: it plays to its end and takes no time. Give it without “=hh:mm:ss”.</source>
        <translation>„%1“ ist ein Video: Es läuft bis zu seinem Ende und braucht keine Zeit. Geben Sie es ohne „=hh:mm:ss“ an.</translation>
    </message>
    <message>
        <source>Saved “%1” (rows: %2).</source>
        <translation>„%1“ gespeichert (Zeilen: %2).</translation>
    </message>
    <message>
        <source>Nothing was written to “%1”. Run the command again.</source>
        <translation>Nach „%1“ wurde nichts geschrieben. Führen Sie den Befehl erneut aus.</translation>
    </message>
    <message>
        <source>Nothing was written to “%1”: --strict refuses media that may not play.</source>
        <translation>Nach „%1“ wurde nichts geschrieben: --strict lehnt Medien ab, die evtl. nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>Converted “%1” to “%2” (%3).</source>
        <translation>„%1“ in „%2“ umgewandelt (%3).</translation>
    </message>
    <message>
        <source>Write nothing, and exit with status 1, when a medium may not play; without it such media are listed and saved.</source>
        <translation>Nichts schreiben und mit Status 1 enden, wenn ein Medium evtl. nicht abgespielt wird; ohne diese Option werden solche Medien aufgeführt und gespeichert.</translation>
    </message>
    <message>
        <source>Makes a new package from media files, as the window&apos;s Save does for a new playlist.</source>
        <translation>Erstellt ein neues Paket aus Mediendateien, so wie „Speichern“ im Fenster für eine neue Playlist.</translation>
    </message>
    <message>
        <source>Time each image plays for unless its argument gives one (default %1).</source>
        <translation>Zeit, die jedes Bild läuft, wenn sein Argument keine angibt (Standard %1).</translation>
    </message>
    <message>
        <source>Time the document records, such as 2024-03-05T17:08:09 (default: now).</source>
        <translation>Zeit, die das Dokument verzeichnet, etwa 2024-03-05T17:08:09 (Standard: jetzt).</translation>
    </message>
    <message>
        <source>Replace an existing package.</source>
        <translation>Ein vorhandenes Paket ersetzen.</translation>
    </message>
    <message>
        <source>The package to make; &quot;.mrv&quot; takes the place of any other extension.</source>
        <translation>Das zu erstellende Paket; „.mrv“ tritt an die Stelle jeder anderen Endung.</translation>
    </message>
    <message>
        <source>Media files in playing order, each with its own time if given. A video plays to its end.</source>
        <translation>Mediendateien in Abspielreihenfolge, jede mit eigener Zeit, falls angegeben. Ein Video läuft bis zu seinem Ende.</translation>
    </message>
    <message>
        <source>give the package to make and at least one media file.</source>
        <translation>Geben Sie das zu erstellende Paket und mindestens eine Mediendatei an.</translation>
    </message>
    <message>
        <source>--duration %1</source>
        <translation>--duration %1</translation>
    </message>
    <message>
        <source>“%1” is not a valid --build-time: write it as yyyy-MM-ddThh:mm:ss.</source>
        <translation>„%1“ ist keine gültige --build-time: Schreiben Sie sie als yyyy-MM-ddThh:mm:ss.</translation>
    </message>
    <message>
        <source>Cannot save as “%1”: the name is empty before its extension. Choose a name such as show.mrv.</source>
        <translation>Speichern als „%1“ nicht möglich: Der Name ist vor der Endung leer. Wählen Sie einen Namen wie show.mrv.</translation>
    </message>
    <message>
        <source>“%1” already exists, so nothing was written. Give --force to replace it.</source>
        <translation>„%1“ gibt es schon, daher wurde nichts geschrieben. Geben Sie --force an, um es zu ersetzen.</translation>
    </message>
    <message>
        <source>Checks a package: its zip structure, its playlist document, every entry&apos;s checksum, and that the playlist and the media entries match.</source>
        <translation>Prüft ein Paket: seinen Zip-Aufbau, sein Playlist-Dokument, die Prüfsumme jedes Eintrags und ob Playlist und Medieneinträge zusammenpassen.</translation>
    </message>
    <message>
        <source>Also read each media entry&apos;s image header or video container, as the player will.</source>
        <translation>Außerdem den Bildkopf bzw. Videocontainer jedes Medieneintrags lesen, so wie der Player.</translation>
    </message>
    <message>
        <source>The package to check.</source>
        <translation>Das zu prüfende Paket.</translation>
    </message>
    <message>
        <source>give exactly one package to check.</source>
        <translation>Geben Sie genau ein zu prüfendes Paket an.</translation>
    </message>
    <message>
        <source>“%1” is sound: %2 playlist row(s), %3 entries, every checksum matches%4.</source>
        <translation>„%1“ ist in Ordnung: %2 Playlist-Zeile(n), %3 Einträge, jede Prüfsumme stimmt%4.</translation>
    </message>
    <message>
        <source>, every medium can be read</source>
        <translation>, jedes Medium ist lesbar</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Run “%1 --help” for its usage.</source>
        <translation>„%1 --help“ zeigt den Aufruf.</translation>
    </message>
    <message>
        <source>Saving “%1”</source>
        <translation>„%1“ wird gespeichert</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: %2 % of %3 MB</source>
        <translation><byte value="xd"/>%1: %2 % von %3 MB</translation>
    </message>
    <message>
        <source>Lists the removable drives with a mounted file system: label, maker and model, mount point, size, free space, file system and the packages each holds.</source>
        <translation>Listet die Wechsellaufwerke mit eingehängtem Dateisystem: Bezeichnung, Hersteller und Modell, Einhängepunkt, Größe, freier Platz, Dateisystem und die Pakete auf jedem.</translation>
    </message>
    <message>
        <source>Print the list as JSON.</source>
        <translation>Die Liste als JSON ausgeben.</translation>
    </message>
    <message>
        <source>takes no arguments.</source>
        <translation>nimmt keine Argumente.</translation>
    </message>
    <message>
        <source>No removable drive with a mounted file system.</source>
        <translation>Kein Wechsellaufwerk mit eingehängtem Dateisystem.</translation>
    </message>
    <message>
        <source>%1	%2	%3	%4, %5 free	%6	%7</source>
        <translation>%1	%2	%3	%4, %5 frei	%6	%7</translation>
    </message>
    <message>
        <source>unknown maker</source>
        <translation>Hersteller unbekannt</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>no packages</source>
        <translation>keine Pakete</translation>
    </message>
    <message>
        <source>Writes a package to drives at once: a copy where a drive has none, an update in place where it holds an older one of that name. Each is read back from the drive after writing.</source>
        <translation>Schreibt ein Paket auf mehrere Laufwerke zugleich: eine Kopie, wo ein Laufwerk keines hat, eine Aktualisierung an Ort und Stelle, wo es ein älteres dieses Namens hat. Jedes wird nach dem Schreiben vom Laufwerk zurückgelesen.</translation>
    </message>
    <message>
        <source>Unmount and power off each drive once its package has been read back intact.</source>
        <translation>Jedes Laufwerk aushängen und ausschalten, sobald sein Paket unversehrt zurückgelesen wurde.</translation>
    </message>
    <message>
        <source>Do not read the packages back.</source>
        <translation>Die Pakete nicht zurücklesen.</translation>
    </message>
    <message>
        <source>Replace a package of the same name that is newer than this one, or another playlist altogether.</source>
        <translation>Ein gleichnamiges Paket ersetzen, das neuer ist als dieses, oder eine ganz andere Playlist.</translation>
    </message>
    <message>
        <source>The package to write.</source>
        <translation>Das zu schreibende Paket.</translation>
    </message>
    <message>
        <source>A drive: its mount point, label or device; or a folder.</source>
        <translation>Ein Laufwerk: sein Einhängepunkt, seine Bezeichnung oder sein Gerät; oder ein Ordner.</translation>
    </message>
    <message>
        <source>give a package and at least one drive.</source>
        <translation>Geben Sie ein Paket und mindestens ein Laufwerk an.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>“%1” is no drive and no folder.</source>
        <translation>„%1“ ist weder Laufwerk noch Ordner.</translation>
    </message>
    <message>
        <source>“%1” names %2 drives; give the mount point or device of the one to write to:</source>
        <translation>„%1“ passt zu %2 Laufwerken; geben Sie den Einhängepunkt oder das Gerät dessen an, auf das geschrieben werden soll:</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Give --force to replace it.</source>
        <translation>Geben Sie --force an, um es zu ersetzen.</translation>
    </message>
    <message>
        <source>Reads a package back from its drive, not from memory, and checks every entry&apos;s checksum.</source>
        <translation>Liest ein Paket von seinem Laufwerk zurück, nicht aus dem Speicher, und prüft die Prüfsumme jedes Eintrags.</translation>
    </message>
    <message>
        <source>The package to read back.</source>
        <translation>Das zurückzulesende Paket.</translation>
    </message>
    <message>
        <source>give exactly one package.</source>
        <translation>Geben Sie genau ein Paket an.</translation>
    </message>
    <message>
        <source>“%1” reads back intact from its drive: %2 MB in %3 s.</source>
        <translation>„%1“ lässt sich unversehrt von seinem Laufwerk zurücklesen: %2 MB in %3 s.</translation>
    </message>
    <message>
        <source>Prints a package&apos;s playlist: position, type, time and stored name of each row.</source>
        <translation>Gibt die Playlist eines Pakets aus: Position, Typ, Zeit und gespeicherten Namen jeder Zeile.</translation>
    </message>
    <message>
        <source>Print the rows as a JSON array of objects with the keys position, type, time and name, and what a probe of each medium finds: problem (null when it plays) and, for videos, length in seconds (null when unknown).</source>
        <translation>Die Zeilen als JSON-Array von Objekten mit den Schlüsseln position, type, time und name ausgeben, dazu, was eine Prüfung jedes Mediums ergibt: problem (null, wenn es abgespielt wird) und bei Videos length in Sekunden (null, wenn unbekannt).</translation>
    </message>
    <message>
        <source>The package to list.</source>
        <translation>Das aufzulistende Paket.</translation>
    </message>
    <message>
        <source>give exactly one package to list.</source>
        <translation>Geben Sie genau ein aufzulistendes Paket an.</translation>
    </message>
    <message>
        <source>“%1” lists “%2”, but holds no such file. Run “mrv check” on it.</source>
        <translation>„%1“ verzeichnet „%2“, enthält aber keine solche Datei. Führen Sie „mrv check“ darauf aus.</translation>
    </message>
    <message>
        <source>mrv: unknown command “%1”.
Run “mrv --help” for the commands.</source>
        <translation>mrv: unbekannter Befehl „%1“.
„mrv --help“ zeigt die Befehle.</translation>
    </message>
    <message>
        <source>Finishes what an interrupted update left of a package: the package is restored as it was before that update, or, when the update had completed, its journal is removed. A journal that does not belong to the package as it is, or that is damaged, is kept. Every other command does this first by itself; this one does only that, then checks the package as “mrv check” does.</source>
        <translation>Schließt ab, was eine unterbrochene Aktualisierung von einem Paket hinterließ: Das Paket wird so wiederhergestellt, wie es vor dieser Aktualisierung war, oder, wenn die Aktualisierung abgeschlossen war, wird ihr Journal entfernt. Ein Journal, das nicht zum Paket in seinem jetzigen Zustand gehört oder beschädigt ist, bleibt erhalten. Jeder andere Befehl tut dies zuerst von selbst; dieser tut nur das und prüft das Paket dann wie „mrv check“.</translation>
    </message>
    <message>
        <source>Remove the package&apos;s journal without applying it: for a package that is as it should be, beside a journal that does not belong to it.</source>
        <translation>Das Journal des Pakets entfernen, ohne es anzuwenden: für ein Paket, das so ist, wie es sein soll, neben einem Journal, das nicht dazu gehört.</translation>
    </message>
    <message>
        <source>The package to repair.</source>
        <translation>Das zu reparierende Paket.</translation>
    </message>
    <message>
        <source>give exactly one package to repair.</source>
        <translation>Geben Sie genau ein zu reparierendes Paket an.</translation>
    </message>
    <message>
        <source>“%1” needs no repair: no update of it was interrupted.</source>
        <translation>„%1“ braucht keine Reparatur: Keine Aktualisierung davon wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Changes a package in one transaction, as the window&apos;s Save does for an open playlist: removals first, then new times, then additions at the end. Either all of it is written or nothing.</source>
        <translation>Ändert ein Paket in einem Vorgang, so wie „Speichern“ im Fenster für eine geöffnete Playlist: erst Entfernungen, dann neue Zeiten, dann Zugänge am Ende. Entweder wird alles geschrieben oder nichts.</translation>
    </message>
    <message>
        <source>Append a media file; an image plays for the time given, or for %1.</source>
        <translation>Eine Mediendatei anhängen; ein Bild läuft die angegebene Zeit oder %1.</translation>
    </message>
    <message>
        <source>Remove every row that plays NAME (a stored name such as /clip.mp4; the &quot;/&quot; may be left out).</source>
        <translation>Jede Zeile entfernen, die NAME spielt (ein gespeicherter Name wie /clip.mp4; das „/“ darf fehlen).</translation>
    </message>
    <message>
        <source>Set the time of every row that plays the image NAME.</source>
        <translation>Die Zeit jeder Zeile setzen, die das Bild NAME spielt.</translation>
    </message>
    <message>
        <source>The package to change.</source>
        <translation>Das zu ändernde Paket.</translation>
    </message>
    <message>
        <source>give exactly one package to update.</source>
        <translation>Geben Sie genau ein zu aktualisierendes Paket an.</translation>
    </message>
    <message>
        <source>give at least one --add, --remove or --duration.</source>
        <translation>Geben Sie mindestens ein --add, --remove oder --duration an.</translation>
    </message>
    <message>
        <source>“%1” is not a valid --duration: write it as NAME=hh:mm:ss (or 90, 1:30). %2</source>
        <translation>„%1“ ist keine gültige --duration: Schreiben Sie sie als NAME=hh:mm:ss (oder 90, 1:30). %2</translation>
    </message>
    <message>
        <source>Cannot update “%1”: “%2” is a video, it plays to its end and takes no time. Nothing was written.</source>
        <translation>„%1“ kann nicht aktualisiert werden: „%2“ ist ein Video, es läuft bis zu seinem Ende und braucht keine Zeit. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot update “%1”: its playlist has no “%2”. Nothing was written; “mrv list” shows the names it holds.</source>
        <translation>„%1“ kann nicht aktualisiert werden: Seine Playlist hat kein „%2“. Es wurde nichts geschrieben; „mrv list“ zeigt die Namen darin.</translation>
    </message>
    <message>
        <source>Cannot update “%1”: the playlist would be empty. Nothing was written.</source>
        <translation>„%1“ kann nicht aktualisiert werden: Die Playlist wäre leer. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Fitted “%1”: %2.</source>
        <translation>„%1“ angepasst: %2.</translation>
    </message>
    <message>
        <source>Fitted %1 of %2 files to the screen: %3 → %4.</source>
        <translation>%1 von %2 Dateien an den Bildschirm angepasst: %3 → %4.</translation>
    </message>
    <message>
        <source>Store fitted copies of the media larger or richer than the screen and its player use (photos scaled to the screen, clips re-encoded within the player&apos;s limits); the files themselves are not changed. The profile is the one set in the window&apos;s Screen and Player dialog, or --profile&apos;s.</source>
        <translation>Angepasste Kopien der Medien speichern, die größer oder anspruchsvoller sind, als Bildschirm und Player verarbeiten (Fotos auf Bildschirmgröße verkleinert, Clips innerhalb der Grenzen des Players neu kodiert); die Dateien selbst bleiben unverändert. Es gilt das Profil, das im Fenster unter „Bildschirm und Player“ eingestellt ist, oder das von --profile.</translation>
    </message>
    <message>
        <source>The screen and player to fit to, one of: %1.</source>
        <translation>Das Profil aus Bildschirm und Player, an das angepasst wird, eines von: %1.</translation>
    </message>
    <message>
        <source>“%1” is no --profile; give one of: %2.</source>
        <translation>„%1“ ist kein gültiges --profile; geben Sie eines davon an: %2.</translation>
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
        <translation>Aufruf: mrv BEFEHL [Optionen] [Argumente]
Erstellt, listet, prüft und aktualisiert Playlist-Pakete (.mrv) aus Skripten.

Befehle:
  build AUS.mrv DATEI[=hh:mm:ss]... Neues Paket aus Mediendateien erstellen; --fit speichert
                                    an Bildschirm und Player angepasste Kopien
  list PAKET                        Playlist eines Pakets ausgeben
  check PAKET                       Aufbau, Dokument und Prüfsummen eines Pakets prüfen
  update PAKET                      Einträge in einem Vorgang hinzufügen, entfernen oder neu takten
  repair PAKET                      Abschließen, was eine unterbrochene Aktualisierung hinterließ
  drives [--json]                   Wechsellaufwerke und ihre Pakete auflisten
  write PAKET LAUFWERK... [--eject] Paket auf mehrere Laufwerke schreiben, zurücklesen, auswerfen
  verify PAKET                      Paket von seinem Laufwerk zurücklesen

„mrv BEFEHL --help“ zeigt die Optionen eines Befehls.
Exit-Status: 0 erledigt, 1 abgelehnt oder fehlgeschlagen, 2 falsche Befehlszeile.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Updating the package in place: do not remove the drive until it is done.</source>
        <translation>Das Paket wird an Ort und Stelle aktualisiert: Entfernen Sie das Laufwerk erst, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>reading it failed: %1</source>
        <translation>Lesen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>das Archiv ist beschädigt</translation>
    </message>
    <message>
        <source>%1; the update is complete but could not be finished: it will be finished the next time the package is opened</source>
        <translation>%1; die Aktualisierung ist vollständig, konnte aber nicht abgeschlossen werden: Das geschieht beim nächsten Öffnen des Pakets</translation>
    </message>
    <message>
        <source>%1 is being updated by another program; waiting.</source>
        <translation>%1 wird gerade von einem anderen Programm aktualisiert; es wird gewartet.</translation>
    </message>
    <message>
        <source>It was not applied, and both were kept. If the package is as it should be, run “mrv repair --discard-journal %1”; otherwise copy the package and the journal elsewhere first.</source>
        <translation>Es wurde nicht angewendet, und beide wurden behalten. Ist das Paket so, wie es sein soll, führen Sie „mrv repair --discard-journal %1“ aus; andernfalls kopieren Sie zuerst Paket und Journal an einen anderen Ort.</translation>
    </message>
    <message>
        <source>What an interrupted save left beside %1 was removed: %2.</source>
        <translation>Was ein unterbrochenes Speichern neben %1 hinterlassen hat, wurde entfernt: %2.</translation>
    </message>
    <message>
        <source>%1 stands where the journal of %2 belongs, but it is not a file. It was left alone; move it away.</source>
        <translation>%1 steht dort, wo das Journal von %2 hingehört, ist aber keine Datei. Es wurde nicht angerührt; verschieben Sie es.</translation>
    </message>
    <message>
        <source>its drive cannot lock files, so its update may still be running</source>
        <translation>sein Laufwerk kann keine Dateien sperren, daher läuft seine Aktualisierung womöglich noch</translation>
    </message>
    <message>
        <source>it is a link, and a journal is applied to the package itself only</source>
        <translation>es ist eine Verknüpfung, und ein Journal wird nur auf das Paket selbst angewendet</translation>
    </message>
    <message>
        <source>it is on another drive than its folder</source>
        <translation>es liegt auf einem anderen Laufwerk als sein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>The journal %1 holds an interrupted update of %2, which cannot be recovered now: %3. The journal was kept.</source>
        <translation>Das Journal %1 enthält eine unterbrochene Aktualisierung von %2, die sich jetzt nicht wiederherstellen lässt: %3. Das Journal wurde behalten.</translation>
    </message>
    <message>
        <source>Cannot recover %1: it was replaced while it was opened.</source>
        <translation>%1 kann nicht wiederhergestellt werden: Es wurde ersetzt, während es geöffnet war.</translation>
    </message>
    <message>
        <source>Cannot recover %1: %2. The journal was kept.</source>
        <translation>%1 kann nicht wiederhergestellt werden: %2. Das Journal wurde behalten.</translation>
    </message>
    <message>
        <source>The journal %1 of an interrupted update of %2 is damaged, so the package may be damaged too. The journal was kept: it holds the package&apos;s old bytes. Copy both elsewhere before you change anything; if the package is as it should be, run “mrv repair --discard-journal %3”.</source>
        <translation>Das Journal %1 einer unterbrochenen Aktualisierung von %2 ist beschädigt, daher kann auch das Paket beschädigt sein. Das Journal wurde behalten: Es enthält die alten Bytes des Pakets. Kopieren Sie beide an einen anderen Ort, bevor Sie etwas ändern; ist das Paket so, wie es sein soll, führen Sie „mrv repair --discard-journal %3“ aus.</translation>
    </message>
    <message>
        <source>Cannot recover %1: %2.</source>
        <translation>%1 kann nicht wiederhergestellt werden: %2.</translation>
    </message>
    <message>
        <source>An unfinished journal of %1 was removed; the package had not been changed.</source>
        <translation>Ein unfertiges Journal von %1 wurde entfernt; das Paket war nicht geändert worden.</translation>
    </message>
    <message>
        <source>The journal %1 of an interrupted update does not belong to %2 as it is now: %3. %4</source>
        <translation>Das Journal %1 einer unterbrochenen Aktualisierung gehört nicht zu %2, so wie es jetzt ist: %3. %4</translation>
    </message>
    <message>
        <source>The last update of %1 had been completed before it was interrupted; its journal was removed.</source>
        <translation>Die letzte Aktualisierung von %1 war vor der Unterbrechung abgeschlossen; ihr Journal wurde entfernt.</translation>
    </message>
    <message>
        <source>The last update of %1 was interrupted; the package was restored as it was before that update.</source>
        <translation>Die letzte Aktualisierung von %1 wurde unterbrochen; das Paket wurde so wiederhergestellt, wie es vor dieser Aktualisierung war.</translation>
    </message>
    <message>
        <source>Cannot recover %1 from its journal %2: %3. The journal was kept: it will be tried again the next time the package is opened.</source>
        <translation>%1 kann nicht aus seinem Journal %2 wiederhergestellt werden: %3. Das Journal wurde behalten: Beim nächsten Öffnen des Pakets wird es erneut versucht.</translation>
    </message>
    <message>
        <source>Cannot discard the journal of %1: no lock can be taken on the package, so its update may still be running.</source>
        <translation>Das Journal von %1 kann nicht verworfen werden: Das Paket lässt sich nicht sperren, daher läuft seine Aktualisierung womöglich noch.</translation>
    </message>
    <message>
        <source>Cannot remove the journal %1: %2.</source>
        <translation>Das Journal %1 kann nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>The journal %1 was removed without being applied; %2 stays as it is.</source>
        <translation>Das Journal %1 wurde entfernt, ohne angewendet zu werden; %2 bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>es ist kein Zip-Archiv</translation>
    </message>
    <message>
        <source>the archive is damaged (checksum mismatch)</source>
        <translation>das Archiv ist beschädigt (Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>the entry is encrypted</source>
        <translation>der Eintrag ist verschlüsselt</translation>
    </message>
    <message>
        <source>the entry uses an unsupported compression method</source>
        <translation>der Eintrag nutzt eine nicht unterstützte Komprimierung</translation>
    </message>
    <message>
        <source>the name “%1” cannot be stored in a package</source>
        <translation>der Name „%1“ kann in einem Paket nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the package would be %1, but the drive of %2 holds no file over %3</source>
        <translation>das Paket wäre %1 groß, aber das Laufwerk von %2 fasst keine Datei über %3</translation>
    </message>
    <message>
        <source>the package needs %1, %2 free on %3</source>
        <translation>das Paket braucht %1, frei sind %2 auf %3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>%1 kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>the drive is read-only (a read-only file system)</source>
        <translation>das Laufwerk ist schreibgeschützt (ein schreibgeschütztes Dateisystem)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>you have no permission to write to the folder %1</source>
        <translation>Sie dürfen nicht in den Ordner %1 schreiben</translation>
    </message>
    <message>
        <source>cannot lock it: %1</source>
        <translation>es kann nicht gesperrt werden: %1</translation>
    </message>
    <message>
        <source>The drive of %1 cannot lock files, so nothing kept other programs from changing the package while it was saved.</source>
        <translation>Das Laufwerk von %1 kann keine Dateien sperren; andere Programme wurden also nicht daran gehindert, das Paket während des Speicherns zu ändern.</translation>
    </message>
    <message>
        <source>The package %1 was changed by another program since it was opened.</source>
        <translation>Das Paket %1 wurde seit dem Öffnen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>the entry %1 is named twice</source>
        <translation>der Eintrag %1 ist doppelt genannt</translation>
    </message>
    <message>
        <source>its playlist document is larger than 16 MiB</source>
        <translation>sein Playlist-Dokument ist größer als 16 MiB</translation>
    </message>
    <message>
        <source>cannot read the package %1: %2</source>
        <translation>das Paket %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the package %1 holds no entry %2</source>
        <translation>das Paket %1 enthält keinen Eintrag %2</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>das Speichern wurde abgebrochen</translation>
    </message>
    <message>
        <source>The package %1 was saved, but the drive did not confirm it. Eject the drive safely before unplugging it.</source>
        <translation>Das Paket %1 wurde gespeichert, aber das Laufwerk hat es nicht bestätigt. Werfen Sie das Laufwerk sicher aus, bevor Sie es abziehen.</translation>
    </message>
    <message>
        <source>it holds no playlist document (json.txt)</source>
        <translation>es enthält kein Playlist-Dokument (json.txt)</translation>
    </message>
    <message>
        <source>; free %1, or Save As to another drive</source>
        <translation>; geben Sie %1 frei, oder speichern Sie mit „Speichern unter“ auf ein anderes Laufwerk</translation>
    </message>
    <message>
        <source>%1, and it could not be restored yet: do not use the drive for anything else, and open the package again to restore it</source>
        <translation>%1, und es konnte noch nicht wiederhergestellt werden: Nutzen Sie das Laufwerk für nichts anderes, und öffnen Sie das Paket erneut, um es wiederherzustellen</translation>
    </message>
    <message>
        <source>cannot create a file in the folder %1: %2</source>
        <translation>im Ordner %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>the media file %1 is missing</source>
        <translation>die Mediendatei %1 fehlt</translation>
    </message>
    <message>
        <source>the media file %1 is not a regular file</source>
        <translation>die Mediendatei %1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>cannot read the media file %1: %2</source>
        <translation>die Mediendatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the media file %1 changed while the package was being saved</source>
        <translation>die Mediendatei %1 hat sich geändert, während das Paket gespeichert wurde</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write the journal %1</source>
        <translation>das Journal %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>das Paket kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read the journal %1</source>
        <translation>das Journal %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot restore the package</source>
        <translation>das Paket kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>cannot remove the journal %1</source>
        <translation>das Journal %1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>it was made for another package</source>
        <translation>es wurde für ein anderes Paket angelegt</translation>
    </message>
    <message>
        <source>the package is another file than the one the update began on</source>
        <translation>das Paket ist eine andere Datei als die, mit der die Aktualisierung begann</translation>
    </message>
    <message>
        <source>its length (%1 bytes) is none the update could leave</source>
        <translation>seine Länge (%1 Bytes) kann die Aktualisierung nicht hinterlassen haben</translation>
    </message>
    <message>
        <source>its bytes before offset %1 are not those the update left alone</source>
        <translation>seine Bytes vor Position %1 sind nicht die, die die Aktualisierung unberührt ließ</translation>
    </message>
    <message>
        <source>its bytes from offset %1 on are neither those it had before the update nor those the update wrote</source>
        <translation>seine Bytes ab Position %1 sind weder die von vor der Aktualisierung noch die, die sie geschrieben hat</translation>
    </message>
    <message>
        <source>the archive holds too many entries</source>
        <translation>das Archiv enthält zu viele Einträge</translation>
    </message>
    <message>
        <source>the entry “%1” is not a plain file name</source>
        <translation>der Eintrag „%1“ ist kein einfacher Dateiname</translation>
    </message>
    <message>
        <source>it holds the entry “%1” twice</source>
        <translation>es enthält den Eintrag „%1“ zweimal</translation>
    </message>
    <message>
        <source>the entry “%1” is encrypted</source>
        <translation>der Eintrag „%1“ ist verschlüsselt</translation>
    </message>
    <message>
        <source>the entry “%1” uses an unsupported compression method</source>
        <translation>der Eintrag „%1“ nutzt eine nicht unterstützte Komprimierung</translation>
    </message>
    <message>
        <source>the entry “%1” has a size field this program does not support</source>
        <translation>der Eintrag „%1“ hat ein Größenfeld, das dieses Programm nicht unterstützt</translation>
    </message>
    <message>
        <source>too many files are open at once (%1)</source>
        <translation>zu viele Dateien sind gleichzeitig geöffnet (%1)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>seine Daten sind beschädigt</translation>
    </message>
    <message>
        <source>it holds no entry %1</source>
        <translation>es enthält keinen Eintrag %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the entry %1 is too large (%2 bytes, at most %3 are read)</source>
        <translation>der Eintrag %1 ist zu groß (%2 Bytes, höchstens %3 werden gelesen)</translation>
    </message>
    <message>
        <source>the entry %1: %2</source>
        <translation>der Eintrag %1: %2</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>die Prüfung wurde abgebrochen</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
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
        <translation>„%1“</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>The drive service of this computer (UDisks2) cannot be reached (%1), so drives cannot be listed or ejected here. Choose the drive&apos;s folder instead.</source>
        <translation>Der Laufwerksdienst dieses Computers (UDisks2) ist nicht erreichbar (%1), daher lassen sich Laufwerke hier weder auflisten noch auswerfen. Wählen Sie stattdessen den Ordner des Laufwerks.</translation>
    </message>
    <message>
        <source>a program still has a file open on it; close it and try again</source>
        <translation>ein Programm hat noch eine Datei darauf geöffnet; schließen Sie es und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>this user may not do that (%1)</source>
        <translation>dieser Benutzer darf das nicht (%1)</translation>
    </message>
    <message>
        <source>there is no system bus</source>
        <translation>es gibt keinen Systembus</translation>
    </message>
    <message>
        <source>“%1” is not a drive the drive service knows; unmount it by hand before removing it.</source>
        <translation>„%1“ ist kein Laufwerk, das der Laufwerksdienst kennt; hängen Sie es von Hand aus, bevor Sie es entfernen.</translation>
    </message>
    <message>
        <source>“%1” could not be unmounted: %2.</source>
        <translation>„%1“ konnte nicht ausgehängt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: another program is writing it (%2). Close it and try again.</source>
        <translation>%1 kann nicht geschrieben werden: Ein anderes Programm schreibt gerade darauf (%2). Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cancelled: %1 was left as it was.</source>
        <translation>Abgebrochen: %1 blieb, wie es war.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2. Its new version is complete; write to the drive again to finish it.</source>
        <translation>%1 kann nicht abgeschlossen werden: %2. Seine neue Version ist vollständig; schreiben Sie erneut auf das Laufwerk, um es abzuschließen.</translation>
    </message>
    <message>
        <source>%1 Its old version could not be put back yet (%2): do not use the drive for anything else, and write to it again to restore it.</source>
        <translation>%1 Seine alte Version konnte noch nicht zurückgelegt werden (%2): Nutzen Sie das Laufwerk für nichts anderes, und schreiben Sie erneut darauf, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The drive was left as it was.</source>
        <translation>Das Laufwerk blieb, wie es war.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. The drive was left as it was.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Das Laufwerk blieb, wie es war.</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Safe to remove</source>
        <translation>Kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Wird geschrieben</translation>
    </message>
    <message>
        <source>Finishing: writing the last data to the stick</source>
        <translation>Abschluss: Die letzten Daten werden auf den Stick geschrieben</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>%1 of %2 drives done.</source>
        <translation>%1 von %2 Laufwerken fertig.</translation>
    </message>
    <message>
        <source>Cancelled: %1, each left as it was.</source>
        <translation>Abgebrochen: %1, jedes blieb, wie es war.</translation>
    </message>
    <message>
        <source>Skipped: %1, each keeping its own package.</source>
        <translation>Übersprungen: %1, jedes behält sein eigenes Paket.</translation>
    </message>
    <message>
        <source>Failed: %1; each says why and what it holds.</source>
        <translation>Fehlgeschlagen: %1; jedes sagt, warum und was es enthält.</translation>
    </message>
    <message>
        <source>not readable as a playlist</source>
        <translation>nicht als Playlist lesbar</translation>
    </message>
    <message>
        <source>saved %1, 1 item</source>
        <translation>gespeichert %1, 1 Element</translation>
    </message>
    <message>
        <source>saved %1, %2 items</source>
        <translation>gespeichert %1, %2 Elemente</translation>
    </message>
    <message>
        <source>“%1” holds a newer %2 (%3); replace it?</source>
        <translation>„%1“ enthält eine neuere Version von %2 (%3); ersetzen?</translation>
    </message>
    <message>
        <source>“%1” holds another playlist named %2 (%3), not a version of this one; replace it?</source>
        <translation>„%1“ enthält eine andere Playlist namens %2 (%3), keine Version dieser; ersetzen?</translation>
    </message>
    <message>
        <source>“%1” is not mounted at %2 any more, so nothing was written there. Plug it in again, then Refresh.</source>
        <translation>„%1“ ist nicht mehr unter %2 eingehängt, daher wurde dort nichts geschrieben. Schließen Sie es erneut an und klicken Sie auf „Aktualisieren“.</translation>
    </message>
    <message>
        <source>It was not replaced.</source>
        <translation>Es wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>%1 holds the new package; reading it back was cancelled.</source>
        <translation>%1 enthält das neue Paket; das Zurücklesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a drive this computer can eject; unmount its drive by hand before removing it.</source>
        <translation>%1 ist ein Ordner, kein Laufwerk, das dieser Computer auswerfen kann; hängen Sie sein Laufwerk von Hand aus, bevor Sie es entfernen.</translation>
    </message>
    <message>
        <source>The drive returned other data for %1 than was written (%2): it may be failing, or smaller than it claims. Do not use it; write the package to another drive.</source>
        <translation>Das Laufwerk lieferte für %1 andere Daten zurück, als geschrieben wurden (%2): Es ist womöglich defekt oder kleiner, als es angibt. Verwenden Sie es nicht; schreiben Sie das Paket auf ein anderes Laufwerk.</translation>
    </message>
    <message>
        <source>The check of %1 was cancelled.</source>
        <translation>Die Prüfung von %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Cannot read %1 back from its drive: %2.</source>
        <translation>%1 kann nicht von seinem Laufwerk zurückgelesen werden: %2.</translation>
    </message>
    <message>
        <source>its playlist document is missing</source>
        <translation>sein Playlist-Dokument fehlt</translation>
    </message>
    <message>
        <source>its playlist document differs from the one built</source>
        <translation>sein Playlist-Dokument weicht vom erstellten ab</translation>
    </message>
    <message>
        <source>the link points to nothing</source>
        <translation>die Verknüpfung zeigt ins Leere</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>its name holds a control character, which a package cannot store</source>
        <translation>sein Name enthält ein Steuerzeichen, das ein Paket nicht speichern kann</translation>
    </message>
    <message>
        <source>A package holds one file per name, and these files share a name (letter case does not count on USB sticks):</source>
        <translation>Ein Paket enthält eine Datei je Name, und diese Dateien teilen sich einen Namen (Groß- und Kleinschreibung zählt auf USB-Sticks nicht):</translation>
    </message>
    <message>
        <source>Rename one file of each pair and add it again.</source>
        <translation>Benennen Sie je Paar eine Datei um und fügen Sie sie erneut hinzu.</translation>
    </message>
    <message>
        <source>The name %1 belongs to the playlist document:</source>
        <translation>Der Name %1 gehört dem Playlist-Dokument:</translation>
    </message>
    <message>
        <source>Rename these files and add them again.</source>
        <translation>Benennen Sie diese Dateien um und fügen Sie sie erneut hinzu.</translation>
    </message>
    <message>
        <source>This program has too many files open at once (%1), so %2 media files could not be checked. Close other programs or raise the limit of open files (ulimit -n), then save again.</source>
        <translation>Dieses Programm hat zu viele Dateien gleichzeitig geöffnet (%1), daher konnten %2 Mediendateien nicht geprüft werden. Schließen Sie andere Programme oder erhöhen Sie die Grenze für offene Dateien (ulimit -n), und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>These media files cannot be saved:</source>
        <translation>Diese Mediendateien können nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>Put them back or rename them, or delete their rows.</source>
        <translation>Legen Sie sie zurück oder benennen Sie sie um, oder löschen Sie ihre Zeilen.</translation>
    </message>
    <message>
        <source>The playlist was not saved; nothing was written.</source>
        <translation>Die Playlist wurde nicht gespeichert; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>“%1”: the playlist plays “%2”, but the package holds no such file. Add the file again, or remove it from the playlist.</source>
        <translation>„%1“: Die Playlist spielt „%2“, aber das Paket enthält keine solche Datei. Fügen Sie die Datei erneut hinzu, oder entfernen Sie sie aus der Playlist.</translation>
    </message>
    <message>
        <source>“%1”: the entry “%2” is played by no playlist row.</source>
        <translation>„%1“: Den Eintrag „%2“ spielt keine Zeile der Playlist.</translation>
    </message>
    <message>
        <source>Cannot read %1: it holds no playlist document (json.txt).</source>
        <translation>%1 kann nicht gelesen werden: Es enthält kein Playlist-Dokument (json.txt).</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is larger than 16 MiB.</source>
        <translation>%1 kann nicht gelesen werden: Sein Playlist-Dokument ist größer als 16 MiB.</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is not valid JSON (%2).</source>
        <translation>%1 kann nicht gelesen werden: Sein Playlist-Dokument ist kein gültiges JSON (%2).</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is not a JSON object.</source>
        <translation>%1 kann nicht gelesen werden: Sein Playlist-Dokument ist kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 blieb, wie es war.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>A package holds at most %1 rows, and this playlist has %2. Split it into two packages.</source>
        <translation>Ein Paket fasst höchstens %1 Zeilen, und diese Playlist hat %2. Teilen Sie sie auf zwei Pakete auf.</translation>
    </message>
    <message>
        <source>The package %1 cannot be read: %2. Check the drive (reconnect it if it was pulled out), then save again; or save the playlist under a new name on another drive.</source>
        <translation>Das Paket %1 kann nicht gelesen werden: %2. Prüfen Sie das Laufwerk (schließen Sie es erneut an, falls es abgezogen wurde), und speichern Sie dann erneut; oder speichern Sie die Playlist unter neuem Namen auf einem anderen Laufwerk.</translation>
    </message>
    <message>
        <source>The package %1 is no longer there, so it cannot be updated. Reconnect its drive or put it back, then save again; or save the playlist under a new name.</source>
        <translation>Das Paket %1 ist nicht mehr da und kann daher nicht aktualisiert werden. Schließen Sie sein Laufwerk wieder an oder legen Sie es zurück, und speichern Sie dann erneut; oder speichern Sie die Playlist unter neuem Namen.</translation>
    </message>
    <message>
        <source>The files added would replace files that rows still play: %1.</source>
        <translation>Die hinzugefügten Dateien würden Dateien ersetzen, die Zeilen noch spielen: %1.</translation>
    </message>
    <message>
        <source>The playlist is too large to open again: a package holds at most %1 rows with names of ordinary length. Split it into two packages.</source>
        <translation>Die Playlist ist zu groß, um wieder geöffnet zu werden: Ein Paket fasst höchstens %1 Zeilen mit Namen üblicher Länge. Teilen Sie sie auf zwei Pakete auf.</translation>
    </message>
    <message>
        <source>The playlist was not saved: its document and its files would disagree.</source>
        <translation>Die Playlist wurde nicht gespeichert: Ihr Dokument und ihre Dateien würden nicht übereinstimmen.</translation>
    </message>
    <message>
        <source>The save was cancelled.</source>
        <translation>Das Speichern wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The playlist was saved, but it cannot be read back: %1</source>
        <translation>Die Playlist wurde gespeichert, lässt sich aber nicht zurücklesen: %1</translation>
    </message>
    <message>
        <source>The package %1 was written, but its document and its files disagree; the player will not play all of it. Save it again.</source>
        <translation>Das Paket %1 wurde geschrieben, aber sein Dokument und seine Dateien stimmen nicht überein; der Player spielt nicht alles davon. Speichern Sie es erneut.</translation>
    </message>
    <message>
        <source>not a kept playlist</source>
        <translation>keine aufbewahrte Playlist</translation>
    </message>
    <message>
        <source>a row has no time or no file</source>
        <translation>eine Zeile hat keine Zeit oder keine Datei</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>No time given: type whole seconds (90), minutes and seconds (1:30) or hh:mm:ss (00:01:30).</source>
        <translation>Keine Zeit angegeben: Geben Sie ganze Sekunden (90), Minuten und Sekunden (1:30) oder hh:mm:ss (00:01:30) ein.</translation>
    </message>
    <message>
        <source>“%1” is no time: type whole seconds (90), minutes and seconds (1:30) or hh:mm:ss (00:01:30).</source>
        <translation>„%1“ ist keine Zeit: Geben Sie ganze Sekunden (90), Minuten und Sekunden (1:30) oder hh:mm:ss (00:01:30) ein.</translation>
    </message>
    <message>
        <source>“%1” is no time: seconds after a colon go from 00 to 59.</source>
        <translation>„%1“ ist keine Zeit: Sekunden nach einem Doppelpunkt gehen von 00 bis 59.</translation>
    </message>
    <message>
        <source>“%1” is no time: minutes between colons go from 00 to 59.</source>
        <translation>„%1“ ist keine Zeit: Minuten zwischen Doppelpunkten gehen von 00 bis 59.</translation>
    </message>
    <message>
        <source>“%1” is too long: a time goes up to 23:59:59.</source>
        <translation>„%1“ ist zu lang: Eine Zeit geht bis 23:59:59.</translation>
    </message>
    <message>
        <source>the disk kept other bytes than were written (is it full?)</source>
        <translation>der Datenträger hat andere Bytes behalten, als geschrieben wurden (ist er voll?)</translation>
    </message>
    <message>
        <source>The folders to start in next time could not be remembered: %1 cannot be written (%2).</source>
        <translation>Die Startordner für das nächste Mal konnten nicht gemerkt werden: %1 kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The length of the video “%1” is not known yet: wait until the table has checked it, then try again.</source>
        <translation>Die Länge des Videos „%1“ ist noch nicht bekannt: Warten Sie, bis die Tabelle es geprüft hat, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The playlist has no images: only the times of images can change, videos play for their own length. Add an image first.</source>
        <translation>Die Playlist hat keine Bilder: Nur die Zeiten von Bildern lassen sich ändern, Videos laufen so lange, wie sie dauern. Fügen Sie zuerst ein Bild hinzu.</translation>
    </message>
    <message>
        <source>The videos alone play %1, which leaves less than a second for each of the %2 images. Choose a loop of at least %3, or remove a video.</source>
        <translation>Die Videos allein laufen %1, damit bleibt weniger als eine Sekunde für jedes der %2 Bilder. Wählen Sie eine Schleife von mindestens %3, oder entfernen Sie ein Video.</translation>
    </message>
    <message>
        <source>Each image would show for a day or longer: choose a shorter loop.</source>
        <translation>Jedes Bild wäre einen Tag oder länger zu sehen: Wählen Sie eine kürzere Schleife.</translation>
    </message>
</context>
<context>
    <name>DrivesDialog</name>
    <message>
        <source>Write to Drives</source>
        <translation>Auf Laufwerke schreiben</translation>
    </message>
    <message>
        <source>Write “%1” to the drives ticked below. A drive that holds an older version gets only what changed.</source>
        <translation>%1 auf die unten angehakten Laufwerke schreiben. Ein Laufwerk mit einer älteren Version bekommt nur das Geänderte.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Hersteller und Modell</translation>
    </message>
    <message>
        <source>Mounted at</source>
        <translation>Eingehängt unter</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pakete</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Read back from each drive</source>
        <translation>Von jedem Laufwerk zurücklesen</translation>
    </message>
    <message>
        <source>Eject when done</source>
        <translation>Danach auswerfen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Ordner wählen…</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Looking for drives…</source>
        <translation>Laufwerke werden gesucht…</translation>
    </message>
    <message>
        <source>Choose a drive&apos;s folder</source>
        <translation>Ordner eines Laufwerks wählen</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>No removable drive is plugged in. Plug one in, or choose a folder.</source>
        <translation>Kein Wechsellaufwerk angeschlossen. Schließen Sie eines an, oder wählen Sie einen Ordner.</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s) found.</source>
        <translation>
            <numerusform>%n Laufwerk gefunden.</numerusform>
            <numerusform>%n Laufwerke gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only drives listed by this computer&apos;s drive service can be ejected here; a folder cannot.</source>
        <translation>Nur Laufwerke, die der Laufwerksdienst dieses Computers kennt, lassen sich hier auswerfen, ein Ordner nicht.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Reading what the drives hold…</source>
        <translation>Inhalt der Laufwerke wird gelesen…</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 von %3</translation>
    </message>
    <message>
        <source>, %1/s, %2 s left</source>
        <translation>, %1/s, noch %2 s</translation>
    </message>
    <message>
        <source>%1 of %2 drives done.</source>
        <translation>%1 von %2 Laufwerken fertig.</translation>
    </message>
    <message>
        <source>%1 written in %2 s</source>
        <translation>%1 in %2 s geschrieben</translation>
    </message>
    <message>
        <source>held this package already</source>
        <translation>hatte dieses Paket bereits</translation>
    </message>
    <message>
        <source>; read back in %1 s</source>
        <translation>; in %1 s zurückgelesen</translation>
    </message>
    <message>
        <source>Cancelling: a drive being written keeps the package it had…</source>
        <translation>Wird abgebrochen: Ein Laufwerk, das gerade beschrieben wird, behält sein bisheriges Paket…</translation>
    </message>
</context>
<context>
    <name>JobProgressDialog</name>
    <message>
        <source>%1 s left</source>
        <translation>noch %1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <translation>noch %1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min left</source>
        <translation>noch %1 h %2 min</translation>
    </message>
    <message>
        <source>Compiling media...</source>
        <translation>Medien werden zusammengestellt …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 von %2 MB</translation>
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
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Go online with Merovi</source>
        <translation>Merovi im Internet</translation>
    </message>
    <message>
        <source>https://www.example.com/wordpress</source>
        <translation>https://www.example.com/wordpress</translation>
    </message>
    <message numerus="yes">
        <source>a new playlist of %n rows</source>
        <translation>
            <numerusform>eine neue Playlist mit %n Zeile</numerusform>
            <numerusform>eine neue Playlist mit %n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the package %1</source>
        <translation>
            <numerusform>%n Zeile des Pakets %1</numerusform>
            <numerusform>%n Zeilen des Pakets %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved playlist</source>
        <translation>Ungespeicherte Playlist</translation>
    </message>
    <message>
        <source>The program ended without saving %1 (last edited %2). Bring it back?

Later keeps it for the next start.</source>
        <translation>Das Programm wurde beendet, ohne %1 zu speichern (zuletzt bearbeitet %2). Zurückholen?

„Später“ bewahrt sie für den nächsten Start auf.</translation>
    </message>
    <message>
        <source>Bring Back</source>
        <translation>Zurückholen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n rows</source>
        <translation>
            <numerusform>%n Zeile zurückgeholt</numerusform>
            <numerusform>%n Zeilen zurückgeholt</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to Drives…</source>
        <translation>Auf Laufwerke schreiben…</translation>
    </message>
    <message>
        <source>Write to Drives</source>
        <translation>Auf Laufwerke schreiben</translation>
    </message>
    <message>
        <source>Save the playlist first: the drives get the package as it was saved.</source>
        <translation>Speichern Sie die Playlist zuerst: Die Laufwerke bekommen das Paket so, wie es gespeichert wurde.</translation>
    </message>
    <message>
        <source>Time(sec)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The last update of %1 was interrupted. Finish it now? The package is then restored as it was before that update, or completed if the update had come to its end; a journal that does not belong to it is kept.</source>
        <translation>Die letzte Aktualisierung von %1 wurde unterbrochen. Jetzt abschließen? Das Paket wird dann so wiederhergestellt, wie es vor dieser Aktualisierung war, oder vervollständigt, falls die Aktualisierung schon zu Ende gekommen war; ein Journal, das nicht dazu gehört, bleibt erhalten.</translation>
    </message>
    <message>
        <source>Interrupted save</source>
        <translation>Unterbrochenes Speichern</translation>
    </message>
    <message>
        <source>Save the changes before closing?</source>
        <translation>Änderungen vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>The new playlist</source>
        <translation>Die neue Playlist</translation>
    </message>
    <message>
        <source>The playlist of %1</source>
        <translation>Die Playlist von %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New playlist</source>
        <translation>Neue Playlist</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Playlist</source>
        <translation>&amp;Neue Playlist</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>No recent packages</source>
        <translation>Keine zuletzt geöffneten Pakete</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Save them before opening another package?</source>
        <translation>Vor dem Öffnen eines anderen Pakets speichern?</translation>
    </message>
    <message>
        <source>Save them before starting a new playlist?</source>
        <translation>Vor dem Beginn einer neuen Playlist speichern?</translation>
    </message>
    <message>
        <source>Saved %1 at %2</source>
        <translation>%1 um %2 gespeichert</translation>
    </message>
    <message>
        <source>Saved %1 (%2) at %3</source>
        <translation>%1 (%2) um %3 gespeichert</translation>
    </message>
    <message>
        <source>%1 — verified, safe to remove</source>
        <translation>%1 – geprüft, kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>Opened %1: 1 item</source>
        <translation>%1 geöffnet: 1 Element</translation>
    </message>
    <message>
        <source>Opened %1: %2 items</source>
        <translation>%1 geöffnet: %2 Elemente</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Merovi USB Playlist builder %1&lt;/h3&gt;&lt;p&gt;Builds playlist packages for media players that play from a USB stick.&lt;/p&gt;&lt;p&gt;Qt %2 (built with %3)&lt;br&gt;libzip %4&lt;br&gt;FFmpeg %5&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Merovi USB Playlist builder %1&lt;/h3&gt;&lt;p&gt;Erstellt Playlist-Pakete für Mediaplayer, die von einem USB-Stick abspielen.&lt;/p&gt;&lt;p&gt;Qt %2 (erstellt mit %3)&lt;br&gt;libzip %4&lt;br&gt;FFmpeg %5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read back from the drive in %1 s</source>
        <translation>In %L1 s vom Laufwerk zurückgelesen</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Looking at the files...</source>
        <translation>Dateien werden angesehen …</translation>
    </message>
    <message>
        <source>Finishing looking at the files before closing…</source>
        <translation>Ansehen der Dateien wird vor dem Schließen abgeschlossen …</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>The player takes PNG and JPEG images and MP4 and AVI videos. These files will be converted, and the playlist will play the converted copies:
    %1

The files themselves are not changed.</source>
        <translation>Der Player nimmt PNG- und JPEG-Bilder sowie MP4- und AVI-Videos. Diese Dateien werden umgewandelt, und die Playlist spielt die umgewandelten Kopien:
    %1

Die Dateien selbst bleiben unverändert.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Nothing converted</source>
        <translation>Nichts umgewandelt</translation>
    </message>
    <message>
        <source>Converting media...</source>
        <translation>Medien werden umgewandelt …</translation>
    </message>
    <message>
        <source>Finishing the conversion before closing…</source>
        <translation>Umwandlung wird vor dem Schließen abgeschlossen …</translation>
    </message>
    <message>
        <source>Conversion cancelled</source>
        <translation>Umwandlung abgebrochen</translation>
    </message>
    <message>
        <source>Converted 1 file</source>
        <translation>1 Datei umgewandelt</translation>
    </message>
    <message>
        <source>Converted %1 files</source>
        <translation>%1 Dateien umgewandelt</translation>
    </message>
    <message>
        <source>These files were not added:

%1</source>
        <translation>Diese Dateien wurden nicht hinzugefügt:

%1</translation>
    </message>
    <message>
        <source>%1 was not converted: cancelled.</source>
        <translation>%1 wurde nicht umgewandelt: abgebrochen.</translation>
    </message>
    <message>
        <source>Select file to save</source>
        <translation>Datei zum Speichern wählen</translation>
    </message>
    <message>
        <source>Merovi file (*.mrv)</source>
        <translation>Merovi-Datei (*.mrv)</translation>
    </message>
    <message>
        <source>Reading the package...</source>
        <translation>Paket wird gelesen …</translation>
    </message>
    <message>
        <source>Finishing reading the package before closing…</source>
        <translation>Lesen des Pakets wird vor dem Schließen abgeschlossen …</translation>
    </message>
    <message>
        <source>The playlist on screen was kept. Choose a playlist package saved by this program.</source>
        <translation>Die Playlist auf dem Bildschirm wurde behalten. Wählen Sie ein Playlist-Paket, das mit diesem Programm gespeichert wurde.</translation>
    </message>
    <message>
        <source>The package %1 lacks media files its playlist names; the player will skip or stop at them:
    %2

Add these files again, or delete their rows.</source>
        <translation>Im Paket %1 fehlen Mediendateien, die seine Playlist nennt; der Player überspringt sie oder bleibt dort stehen:
    %2

Fügen Sie diese Dateien erneut hinzu, oder löschen Sie ihre Zeilen.</translation>
    </message>
    <message>
        <source>Nothing to save: add files to the playlist first</source>
        <translation>Nichts zu speichern: Fügen Sie zuerst Dateien zur Playlist hinzu</translation>
    </message>
    <message>
        <source>No changes to save</source>
        <translation>Keine Änderungen zu speichern</translation>
    </message>
    <message>
        <source>Save an empty playlist? The player will then show nothing.</source>
        <translation>Eine leere Playlist speichern? Der Player zeigt dann nichts.</translation>
    </message>
    <message>
        <source>The package %1 already holds files of these names, and rows of the playlist play them:
    %2

Replace them with the files you added? Every row that plays one of these names will then play the new file. Cancel changes nothing.</source>
        <translation>Das Paket %1 enthält schon Dateien mit diesen Namen, und Zeilen der Playlist spielen sie:
    %2

Durch die hinzugefügten Dateien ersetzen? Jede Zeile, die einen dieser Namen spielt, spielt dann die neue Datei. „Abbrechen“ ändert nichts.</translation>
    </message>
    <message>
        <source>Replace files</source>
        <translation>Dateien ersetzen</translation>
    </message>
    <message>
        <source>Cannot save as %1: the name is empty before its extension.
Choose a name such as show.mrv.</source>
        <translation>Speichern als %1 nicht möglich: Der Name ist vor der Endung leer.
Wählen Sie einen Namen wie show.mrv.</translation>
    </message>
    <message>
        <source>The package %1 exists already. Replace it with this playlist? Everything it holds is then lost.</source>
        <translation>Das Paket %1 gibt es schon. Durch diese Playlist ersetzen? Alles, was es enthält, geht dann verloren.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Compiling media...</source>
        <translation>Medien werden zusammengestellt …</translation>
    </message>
    <message>
        <source>Finishing the save before closing…</source>
        <translation>Speichern wird vor dem Schließen abgeschlossen …</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>The package %1 was changed by another program since you opened it. Reload it (your edits are lost), save over it anyway, or cancel.</source>
        <translation>Das Paket %1 wurde seit dem Öffnen von einem anderen Programm geändert. Neu laden (Ihre Änderungen gehen verloren), trotzdem darüber speichern oder abbrechen.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Save cancelled</source>
        <translation>Speichern abgebrochen</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Media (*.png *.jpg *.mp4 *.avi)</source>
        <translation>Medien (*.png *.jpg *.mp4 *.avi)</translation>
    </message>
    <message>
        <source>All photos and videos this program takes (%1)</source>
        <translation>Alle Fotos und Videos, die dieses Programm nimmt (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Drop Files</source>
        <translation>Dateien ablegen</translation>
    </message>
    <message>
        <source>These files were not added: they are neither images nor videos this computer can read, or they are gone.
    %1

Check that they open in an image viewer or a video player, then add them again.</source>
        <translation>Diese Dateien wurden nicht hinzugefügt: Sie sind weder Bilder noch Videos, die dieser Computer lesen kann, oder sie sind nicht mehr da.
    %1

Prüfen Sie, ob sie sich in einem Bildbetrachter oder Videoplayer öffnen lassen, und fügen Sie sie dann erneut hinzu.</translation>
    </message>
    <message>
        <source>Videos play for their own length. Select an image to set its time.</source>
        <translation>Videos laufen so lange, wie sie dauern. Wählen Sie ein Bild, um seine Zeit einzustellen.</translation>
    </message>
    <message>
        <source>How long the selected images show: type seconds (90), minutes and seconds (1:30) or hh:mm:ss, then press Enter.</source>
        <translation>Wie lange die gewählten Bilder zu sehen sind: Sekunden (90), Minuten und Sekunden (1:30) oder hh:mm:ss eingeben, dann Enter drücken.</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Eine oder mehrere Dateien zum Öffnen wählen</translation>
    </message>
    <message>
        <source>Select a folder of media</source>
        <translation>Ordner mit Medien wählen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Videos play for their own length: Apply changed nothing</source>
        <translation>Videos laufen so lange, wie sie dauern: „Übernehmen“ hat nichts geändert</translation>
    </message>
    <message>
        <source>stored in %1</source>
        <translation>gespeichert in %1</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>spielt %1</translation>
    </message>
    <message>
        <source>May not play: %1</source>
        <translation>Wird evtl. nicht abgespielt: %1</translation>
    </message>
    <message>
        <source>1 item · total %1</source>
        <translation>1 Element · insgesamt %1</translation>
    </message>
    <message>
        <source>%1 items · total %2</source>
        <translation>%1 Elemente · insgesamt %2</translation>
    </message>
    <message>
        <source>+ 1 video of unknown length</source>
        <translation>+ 1 Video unbekannter Länge</translation>
    </message>
    <message>
        <source>+ %1 videos of unknown length</source>
        <translation>+ %1 Videos unbekannter Länge</translation>
    </message>
    <message>
        <source>(checking media…)</source>
        <translation>(Medien werden geprüft …)</translation>
    </message>
    <message>
        <source>%1 — converted from %2</source>
        <translation>%1 – umgewandelt aus %2</translation>
    </message>
    <message>
        <source>Converted from %1</source>
        <translation>Umgewandelt aus %1</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Dateien hinzufügen oder hier ablegen</translation>
    </message>
    <message>
        <source>Nothing to preview: add files to the playlist first</source>
        <translation>Nichts für die Vorschau: Fügen Sie zuerst Dateien zur Playlist hinzu</translation>
    </message>
    <message>
        <source>&amp;Fit the Loop to…</source>
        <translation>&amp;Schleifendauer festlegen…</translation>
    </message>
    <message>
        <source>Screen and &amp;Player…</source>
        <translation>Bildschirm und &amp;Player…</translation>
    </message>
    <message>
        <source>Fit the Loop</source>
        <translation>Schleifendauer festlegen</translation>
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
        <translation>Wie lange soll die ganze Schleife dauern? Die Bilder teilen sich die Zeit, die die Videos übrig lassen; Videos behalten ihre Länge.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>These files are larger or richer than this screen and its player need, or show wrongly there:
    %1

Fit them to the screen? The package then holds smaller copies, quicker to write to the stick; the files themselves are not changed.</source>
        <translation>Diese Dateien sind größer oder anspruchsvoller, als dieser Bildschirm und sein Player brauchen, oder werden dort falsch angezeigt:
    %1

An den Bildschirm anpassen? Das Paket enthält dann kleinere Kopien, die sich schneller auf den USB-Stick schreiben lassen; die Dateien selbst bleiben unverändert.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Save As They Are</source>
        <translation>Unverändert speichern</translation>
    </message>
    <message>
        <source>Fitting media to the screen…</source>
        <translation>Medien werden an den Bildschirm angepasst …</translation>
    </message>
    <message>
        <source>Finishing fitting the media before closing…</source>
        <translation>Anpassen der Medien wird vor dem Schließen abgeschlossen …</translation>
    </message>
    <message>
        <source>Fitting cancelled; nothing saved</source>
        <translation>Anpassen abgebrochen; nichts gespeichert</translation>
    </message>
    <message>
        <source>These files could not be fitted, so nothing was saved:

%1</source>
        <translation>Diese Dateien konnten nicht angepasst werden, daher wurde nichts gespeichert:

%1</translation>
    </message>
    <message>
        <source>Fit to the Screen</source>
        <translation>An den Bildschirm anpassen</translation>
    </message>
    <message>
        <source>fitted 1 file: %1 → %2</source>
        <translation>1 Datei angepasst: %1 → %2</translation>
    </message>
    <message>
        <source>fitted %1 files: %2 → %3</source>
        <translation>%1 Dateien angepasst: %2 → %3</translation>
    </message>
    <message>
        <source>The loop now lasts %1</source>
        <translation>Die Schleife dauert jetzt %1</translation>
    </message>
    <message>
        <source>Exceeds this screen and player: %1</source>
        <translation>Zu viel für diesen Bildschirm und Player: %1</translation>
    </message>
    <message>
        <source>%1 — fitted from %2</source>
        <translation>%1 – angepasst aus %2</translation>
    </message>
    <message>
        <source>Screen and player: %1</source>
        <translation>Bildschirm und Player: %1</translation>
    </message>
    <message>
        <source>New &amp;Text Slide…</source>
        <translation>Neue &amp;Textfolie…</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Textfolie</translation>
    </message>
    <message>
        <source>Edit Text Slide</source>
        <translation>Textfolie bearbeiten</translation>
    </message>
    <message>
        <source>New Text Slide</source>
        <translation>Neue Textfolie</translation>
    </message>
    <message>
        <source>Making the slide…</source>
        <translation>Folie wird erstellt …</translation>
    </message>
    <message>
        <source>Finishing the slide before closing…</source>
        <translation>Folie wird vor dem Schließen fertiggestellt …</translation>
    </message>
    <message>
        <source>Opening the slide…</source>
        <translation>Folie wird geöffnet…</translation>
    </message>
</context>
<context>
    <name>MediaText</name>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>%1 could not be converted: %2.</source>
        <translation>%1 konnte nicht umgewandelt werden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be converted: it is %2×%3 pixels, too large to decode safely. Scale it down to the screen&apos;s size.</source>
        <translation>%1 konnte nicht umgewandelt werden: Es hat %2×%3 Pixel, zu groß, um es sicher zu dekodieren. Verkleinern Sie es auf die Größe des Bildschirms.</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>es enthält kein Bild</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>%1 to MP4, streams copied</source>
        <translation>%1 nach MP4, Datenströme kopiert</translation>
    </message>
    <message>
        <source>%1 to MP4, encoded again as H.264</source>
        <translation>%1 nach MP4, neu als H.264 kodiert</translation>
    </message>
    <message>
        <source>%1 could not be converted: %2 cannot be written (%3).</source>
        <translation>%1 konnte nicht umgewandelt werden: %2 kann nicht geschrieben werden (%3).</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP4: %2.</source>
        <translation>%1 konnte nicht nach MP4 umgewandelt werden: %2.</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>%1 kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the player takes PNG and JPEG images and MP4 and AVI videos.</source>
        <translation>%1 kann nicht umgewandelt werden: Der Player nimmt PNG- und JPEG-Bilder sowie MP4- und AVI-Videos.</translation>
    </message>
    <message>
        <source>The file %1 does not exist. Add it again from where it is now.</source>
        <translation>Die Datei %1 existiert nicht. Fügen Sie sie erneut von dort hinzu, wo sie jetzt liegt.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file. Add the files in it instead.</source>
        <translation>%1 ist ein Ordner, keine Datei. Fügen Sie stattdessen die Dateien darin hinzu.</translation>
    </message>
    <message>
        <source>%1 is not a regular file. Add the media file itself.</source>
        <translation>%1 ist keine normale Datei. Fügen Sie die Mediendatei selbst hinzu.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2. Check its permissions.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2. Prüfen Sie ihre Zugriffsrechte.</translation>
    </message>
    <message>
        <source>%1 cannot be read: the package does not exist any more. Open it again from where it is now.</source>
        <translation>%1 kann nicht gelesen werden: Das Paket existiert nicht mehr. Öffnen Sie es erneut von dort, wo es jetzt liegt.</translation>
    </message>
    <message>
        <source>The package %1 lacks the file %2 its playlist names. Add the file again, or remove its row.</source>
        <translation>Im Paket %1 fehlt die Datei %2, die seine Playlist nennt. Fügen Sie die Datei erneut hinzu, oder entfernen Sie ihre Zeile.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is empty. Copy it again from the original.</source>
        <translation>%1 ist leer. Kopieren Sie es erneut vom Original.</translation>
    </message>
    <message>
        <source>%1 is not an image: its content is not %2 data. Check that it is the right file.</source>
        <translation>%1 ist kein Bild: Sein Inhalt sind keine %2-Daten. Prüfen Sie, ob es die richtige Datei ist.</translation>
    </message>
    <message>
        <source>%1 holds a %2 image, not the %3 its name says; the player chooses its decoder by the name. Save it again as %3.</source>
        <translation>%1 enthält ein %2-Bild, nicht das %3, das sein Name angibt; der Player wählt seinen Decoder nach dem Namen. Speichern Sie es erneut als %3.</translation>
    </message>
    <message>
        <source>%1 is damaged: its header cannot be read (%2). Copy it again from the original.</source>
        <translation>%1 ist beschädigt: Sein Kopf kann nicht gelesen werden (%2). Kopieren Sie es erneut vom Original.</translation>
    </message>
    <message>
        <source>%1 is %2×%3 pixels, too large to decode safely. Scale it down to the screen&apos;s size.</source>
        <translation>%1 hat %2×%3 Pixel, zu groß, um es sicher zu dekodieren. Verkleinern Sie es auf die Größe des Bildschirms.</translation>
    </message>
    <message>
        <source>%1 was not read to its end.</source>
        <translation>%1 wurde nicht bis zum Ende gelesen.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2). Copy it again from the original.</source>
        <translation>%1 kann nicht dekodiert werden (%2). Kopieren Sie es erneut vom Original.</translation>
    </message>
    <message>
        <source>%1 in the package %2</source>
        <translation>%1 im Paket %2</translation>
    </message>
    <message>
        <source>%1 is not of a type the player accepts. Accepted are JPEG (.jpg) and PNG (.png) images, MP4 (.mp4) and AVI (.avi) videos, and .zip archives.</source>
        <translation>%1 hat keinen Typ, den der Player annimmt. Angenommen werden JPEG- (.jpg) und PNG-Bilder (.png), MP4- (.mp4) und AVI-Videos (.avi) sowie .zip-Archive.</translation>
    </message>
    <message>
        <source>%1 is stored compressed in the package, and examining it took longer than %2 seconds. Add the original file again: media are stored uncompressed, which players also read faster.</source>
        <translation>%1 ist im Paket komprimiert gespeichert, und seine Prüfung dauerte länger als %2 Sekunden. Fügen Sie die Originaldatei erneut hinzu: Medien werden unkomprimiert gespeichert, was Player auch schneller lesen.</translation>
    </message>
    <message>
        <source>%1 could not be read within %2 seconds; the drive may be slow. Try again, or copy the file to a faster drive.</source>
        <translation>%1 konnte nicht innerhalb von %2 Sekunden gelesen werden; das Laufwerk ist womöglich langsam. Versuchen Sie es erneut, oder kopieren Sie die Datei auf ein schnelleres Laufwerk.</translation>
    </message>
    <message>
        <source>%1 has no picture to show.</source>
        <translation>%1 hat kein Bild zu zeigen.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP4: the copy cannot be renamed.</source>
        <translation>%1 konnte nicht nach MP4 umgewandelt werden: Die Kopie kann nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>an image with the time 00:00:00 is never shown</source>
        <translation>ein Bild mit der Zeit 00:00:00 wird nie gezeigt</translation>
    </message>
    <message>
        <source>1 file may not play:</source>
        <translation>1 Datei wird evtl. nicht abgespielt:</translation>
    </message>
    <message>
        <source>%1 files may not play:</source>
        <translation>%1 Dateien werden evtl. nicht abgespielt:</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>das Dekodieren dauerte zu lange</translation>
    </message>
    <message>
        <source>no picture in it could be decoded</source>
        <translation>kein Bild darin ließ sich dekodieren</translation>
    </message>
    <message>
        <source>its whole length</source>
        <translation>seine ganze Länge</translation>
    </message>
    <message>
        <source>%1 is cut short: plays about %2 of %3. It was not copied to its end; copy it again from the original.</source>
        <translation>%1 ist abgeschnitten: spielt etwa %2 von %3. Es wurde nicht bis zum Ende kopiert; kopieren Sie es erneut vom Original.</translation>
    </message>
    <message>
        <source>%1 cannot be read: out of memory.</source>
        <translation>%1 kann nicht gelesen werden: nicht genug Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>%1 is not a video: its content is not MP4 or AVI data. Check that it is the right file.</source>
        <translation>%1 ist kein Video: Sein Inhalt sind keine MP4- oder AVI-Daten. Prüfen Sie, ob es die richtige Datei ist.</translation>
    </message>
    <message>
        <source>%1 holds %2 data, not the %3 video its name says. Convert it, or give it the right extension.</source>
        <translation>%1 enthält %2-Daten, nicht das %3-Video, das sein Name angibt. Wandeln Sie es um, oder geben Sie ihm die richtige Endung.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short: its index cannot be read. Copy it again from the original.</source>
        <translation>%1 ist beschädigt oder abgeschnitten: Sein Index kann nicht gelesen werden. Kopieren Sie es erneut vom Original.</translation>
    </message>
    <message>
        <source>%1 holds no video picture, only sound or data.</source>
        <translation>%1 enthält kein Videobild, nur Ton oder Daten.</translation>
    </message>
    <message>
        <source>%1 uses the video codec “%2”, which cannot be decoded here; the player most likely cannot play it either. Convert it to H.264.</source>
        <translation>%1 nutzt den Videocodec „%2“, der hier nicht dekodiert werden kann; der Player kann es höchstwahrscheinlich auch nicht abspielen. Wandeln Sie es in H.264 um.</translation>
    </message>
    <message>
        <source>%1 gives an impossible picture size of %2×%3 pixels; it is damaged. Copy it again from the original.</source>
        <translation>%1 gibt eine unmögliche Bildgröße von %2×%3 Pixeln an; es ist beschädigt. Kopieren Sie es erneut vom Original.</translation>
    </message>
    <message>
        <source>its picture format cannot be converted</source>
        <translation>sein Bildformat kann nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>%1 cannot be decoded: %2. Copy it again from the original, or convert it to H.264.</source>
        <translation>%1 kann nicht dekodiert werden: %2. Kopieren Sie es erneut vom Original, oder wandeln Sie es in H.264 um.</translation>
    </message>
    <message>
        <source>%1 is damaged near its end: its last pictures cannot be decoded (%2). Copy it again from the original.</source>
        <translation>%1 ist nahe seinem Ende beschädigt: Seine letzten Bilder können nicht dekodiert werden (%2). Kopieren Sie es erneut vom Original.</translation>
    </message>
    <message>
        <source>%1×%2 photo: the screen shows %3×%4</source>
        <translation>Foto mit %1×%2: der Bildschirm zeigt %3×%4</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 mit Ton</translation>
    </message>
    <message>
        <source>%1 turned by a rotation flag</source>
        <translation>%1, per Drehangabe gedreht</translation>
    </message>
    <message>
        <source>this player plays up to %1 %2</source>
        <translation>dieser Player spielt bis zu %1 %2</translation>
    </message>
    <message>
        <source>%1 at %2 fps</source>
        <translation>%1 bei %2 fps</translation>
    </message>
    <message>
        <source>this player plays no sound</source>
        <translation>dieser Player spielt keinen Ton ab</translation>
    </message>
    <message>
        <source>this player ignores rotation flags</source>
        <translation>dieser Player ignoriert Drehangaben</translation>
    </message>
    <message>
        <source>%1 could not be fitted to the screen: %2.</source>
        <translation>%1 konnte nicht an den Bildschirm angepasst werden: %2.</translation>
    </message>
    <message>
        <source>its size cannot be read, or is too large to decode safely</source>
        <translation>seine Größe ist nicht lesbar oder zu groß, um es sicher zu dekodieren</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>The slide could not be kept: %1 cannot be written (%2). Check that there is space in your home folder.</source>
        <translation>Die Folie konnte nicht aufbewahrt werden: %1 kann nicht geschrieben werden (%2). Prüfen Sie, ob in Ihrem persönlichen Ordner Platz ist.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be used: %2. Choose a JPEG or PNG photo no larger than 16384 pixels a side.</source>
        <translation>Das Hintergrundbild %1 kann nicht verwendet werden: %2. Wählen Sie ein JPEG- oder PNG-Foto mit höchstens 16384 Pixeln je Seite.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es ist zu groß</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be used: %2.</source>
        <translation>Das Hintergrundbild %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The slide could not be kept: the folder %1 cannot be made. Check that there is space in your home folder.</source>
        <translation>Die Folie konnte nicht aufbewahrt werden: Der Ordner %1 kann nicht angelegt werden. Prüfen Sie, ob in Ihrem persönlichen Ordner Platz ist.</translation>
    </message>
    <message>
        <source>The slide %1 could not be drawn.</source>
        <translation>Die Folie %1 konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Previous item (Left)</source>
        <translation>Voriges Element (Links)</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pause (Leertaste)</translation>
    </message>
    <message>
        <source>Next item (Right)</source>
        <translation>Nächstes Element (Rechts)</translation>
    </message>
    <message>
        <source>Sound on or off; the preview starts without it</source>
        <translation>Ton an oder aus; die Vorschau beginnt ohne Ton</translation>
    </message>
    <message>
        <source>No sound device found: the preview plays without sound</source>
        <translation>Kein Audiogerät gefunden: Die Vorschau läuft ohne Ton</translation>
    </message>
    <message>
        <source>Full screen (F11)</source>
        <translation>Vollbild (F11)</translation>
    </message>
    <message>
        <source>Preview — %1 (%2 of %3)</source>
        <translation>Vorschau – %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Nothing to show: every item plays for 00:00:00.</source>
        <translation>Nichts zu zeigen: Jedes Element läuft 00:00:00.</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Abspielen (Leertaste)</translation>
    </message>
    <message>
        <source>“%1” cannot be shown: %2</source>
        <translation>„%1“ kann nicht gezeigt werden: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be played: %2</source>
        <translation>„%1“ kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 / %2   %3 of %4</source>
        <translation>%1 / %2   %3 von %4</translation>
    </message>
    <message>
        <source>–:––</source>
        <translation>–:––</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
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
        <translation>Full-HD-Fernseher (1920×1080)</translation>
    </message>
    <message>
        <source>Full HD TV mounted upright (1080×1920)</source>
        <translation>Full-HD-Fernseher, hochkant montiert (1080×1920)</translation>
    </message>
    <message>
        <source>HD signage player, no sound (1280×720)</source>
        <translation>HD-Signage-Player, ohne Ton (1280×720)</translation>
    </message>
    <message>
        <source>Basic USB player on a Full HD TV, clips up to 720p</source>
        <translation>Einfacher USB-Player an einem Full-HD-Fernseher, Clips bis 720p</translation>
    </message>
    <message>
        <source>4K TV (3840×2160, HEVC)</source>
        <translation>4K-Fernseher (3840×2160, HEVC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Plays the clips&apos; sound</source>
        <translation>Spielt den Ton der Clips ab</translation>
    </message>
    <message>
        <source>Turns clips by their rotation flag</source>
        <translation>Dreht Clips nach ihrer Drehangabe</translation>
    </message>
    <message>
        <source>Screen and Player</source>
        <translation>Bildschirm und Player</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Portrait (mounted upright)</source>
        <translation>Hochformat (hochkant montiert)</translation>
    </message>
    <message>
        <source> fps</source>
        <translation> fps</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Voreinstellung:</translation>
    </message>
    <message>
        <source>Screen &amp;resolution:</source>
        <translation>&amp;Bildschirmauflösung:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>Aus&amp;richtung:</translation>
    </message>
    <message>
        <source>Largest &amp;video:</source>
        <translation>&amp;Größtes Video:</translation>
    </message>
    <message>
        <source>Video codecs:</source>
        <translation>Videocodecs:</translation>
    </message>
    <message>
        <source>Largest &amp;frame rate:</source>
        <translation>&amp;Höchste Bildrate:</translation>
    </message>
    <message>
        <source>Media larger or richer than this are marked in the table, and can be fitted to it when you save.</source>
        <translation>Medien, die darüber hinausgehen, werden in der Tabelle markiert und lassen sich beim Speichern daran anpassen.</translation>
    </message>
</context>
<context>
    <name>SlideDialog</name>
    <message>
        <source>Text Slide</source>
        <translation>Textfolie</translation>
    </message>
    <message>
        <source>Headline and lines</source>
        <translation>Überschrift und Zeilen</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>&amp;Headline:</source>
        <translation>Ü&amp;berschrift:</translation>
    </message>
    <message>
        <source>L&amp;ines:</source>
        <translation>&amp;Zeilen:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>&amp;Price:</source>
        <translation>&amp;Preis:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Farben:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Wählen…</translation>
    </message>
    <message>
        <source>&amp;No Picture</source>
        <translation>&amp;Kein Bild</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>As the screen shows it (%1×%2)</source>
        <translation>So, wie der Bildschirm sie zeigt (%1×%2)</translation>
    </message>
    <message>
        <source>Slide Colour</source>
        <translation>Farbe der Folie</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.bmp);;All files (*)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.webp *.bmp);;Alle Dateien (*)</translation>
    </message>
</context>
</TS>
