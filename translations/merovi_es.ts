<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CliText</name>
    <message>
        <source>In “%1”: %2</source>
        <translation>En «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” names no file.</source>
        <translation>«%1» no nombra ningún archivo.</translation>
    </message>
    <message>
        <source>Warning: “%1” is not a .png, .jpg, .mp4 or .avi file; the playlist records it as of type 0 (other), which the player may skip.</source>
        <translation>Aviso: «%1» no es un archivo .png, .jpg, .mp4 ni .avi; la lista de reproducción lo registra con el tipo 0 (otro), que el reproductor puede saltarse.</translation>
    </message>
    <message>
        <source>“%1” is a video: it plays to its end and takes no time. Give it without “=hh:mm:ss”.</source>
        <translation>«%1» es un vídeo: se reproduce hasta el final y no lleva tiempo. Indíquelo sin «=hh:mm:ss».</translation>
    </message>
    <message>
        <source>Saved “%1” (rows: %2).</source>
        <translation>«%1» guardado (filas: %2).</translation>
    </message>
    <message>
        <source>Nothing was written to “%1”. Run the command again.</source>
        <translation>No se escribió nada en «%1». Ejecute de nuevo la orden.</translation>
    </message>
    <message>
        <source>Nothing was written to “%1”: --strict refuses media that may not play.</source>
        <translation>No se escribió nada en «%1»: --strict rechaza los archivos multimedia que puede que no se reproduzcan.</translation>
    </message>
    <message>
        <source>Converted “%1” to “%2” (%3).</source>
        <translation>«%1» convertido a «%2» (%3).</translation>
    </message>
    <message>
        <source>Write nothing, and exit with status 1, when a medium may not play; without it such media are listed and saved.</source>
        <translation>No escribir nada, y salir con estado 1, cuando un archivo multimedia puede no reproducirse; sin esta opción, esos archivos se listan y se guardan.</translation>
    </message>
    <message>
        <source>Makes a new package from media files, as the window&apos;s Save does for a new playlist.</source>
        <translation>Crea un paquete nuevo a partir de archivos multimedia, como hace «Guardar» en la ventana con una lista de reproducción nueva.</translation>
    </message>
    <message>
        <source>Time each image plays for unless its argument gives one (default %1).</source>
        <translation>Tiempo que se muestra cada imagen si su argumento no indica uno (predeterminado %1).</translation>
    </message>
    <message>
        <source>Time the document records, such as 2024-03-05T17:08:09 (default: now).</source>
        <translation>Fecha que registra el documento, por ejemplo 2024-03-05T17:08:09 (predeterminado: ahora).</translation>
    </message>
    <message>
        <source>Replace an existing package.</source>
        <translation>Reemplazar un paquete existente.</translation>
    </message>
    <message>
        <source>The package to make; &quot;.mrv&quot; takes the place of any other extension.</source>
        <translation>El paquete que se va a crear; «.mrv» sustituye a cualquier otra extensión.</translation>
    </message>
    <message>
        <source>Media files in playing order, each with its own time if given. A video plays to its end.</source>
        <translation>Archivos multimedia en orden de reproducción, cada uno con su propio tiempo si se indica. Un vídeo se reproduce hasta el final.</translation>
    </message>
    <message>
        <source>give the package to make and at least one media file.</source>
        <translation>indique el paquete que se va a crear y al menos un archivo multimedia.</translation>
    </message>
    <message>
        <source>--duration %1</source>
        <translation>--duration %1</translation>
    </message>
    <message>
        <source>“%1” is not a valid --build-time: write it as yyyy-MM-ddThh:mm:ss.</source>
        <translation>«%1» no es un --build-time válido: escríbalo como yyyy-MM-ddThh:mm:ss.</translation>
    </message>
    <message>
        <source>Cannot save as “%1”: the name is empty before its extension. Choose a name such as show.mrv.</source>
        <translation>No se puede guardar como «%1»: el nombre está vacío antes de la extensión. Elija un nombre como show.mrv.</translation>
    </message>
    <message>
        <source>“%1” already exists, so nothing was written. Give --force to replace it.</source>
        <translation>«%1» ya existe, así que no se escribió nada. Indique --force para reemplazarlo.</translation>
    </message>
    <message>
        <source>Checks a package: its zip structure, its playlist document, every entry&apos;s checksum, and that the playlist and the media entries match.</source>
        <translation>Comprueba un paquete: su estructura zip, su documento de lista de reproducción, la suma de comprobación de cada entrada y que la lista de reproducción y las entradas multimedia coincidan.</translation>
    </message>
    <message>
        <source>Also read each media entry&apos;s image header or video container, as the player will.</source>
        <translation>Leer también la cabecera de imagen o el contenedor de vídeo de cada entrada multimedia, como hará el reproductor.</translation>
    </message>
    <message>
        <source>The package to check.</source>
        <translation>El paquete que se va a comprobar.</translation>
    </message>
    <message>
        <source>give exactly one package to check.</source>
        <translation>indique exactamente un paquete para comprobar.</translation>
    </message>
    <message>
        <source>“%1” is sound: %2 playlist row(s), %3 entries, every checksum matches%4.</source>
        <translation>«%1» está en buen estado: %2 fila(s) de lista de reproducción, %3 entradas, todas las sumas de comprobación coinciden%4.</translation>
    </message>
    <message>
        <source>, every medium can be read</source>
        <translation>, todos los archivos multimedia se pueden leer</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Run “%1 --help” for its usage.</source>
        <translation>Ejecute «%1 --help» para ver su uso.</translation>
    </message>
    <message>
        <source>Saving “%1”</source>
        <translation>Guardando «%1»</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: %2 % of %3 MB</source>
        <translation><byte value="xd"/>%1: %2 % de %3 MB</translation>
    </message>
    <message>
        <source>Lists the removable drives with a mounted file system: label, maker and model, mount point, size, free space, file system and the packages each holds.</source>
        <translation>Lista las unidades extraíbles con un sistema de archivos montado: etiqueta, fabricante y modelo, punto de montaje, tamaño, espacio libre, sistema de archivos y los paquetes que contiene cada una.</translation>
    </message>
    <message>
        <source>Print the list as JSON.</source>
        <translation>Mostrar la lista como JSON.</translation>
    </message>
    <message>
        <source>takes no arguments.</source>
        <translation>no admite argumentos.</translation>
    </message>
    <message>
        <source>No removable drive with a mounted file system.</source>
        <translation>No hay ninguna unidad extraíble con un sistema de archivos montado.</translation>
    </message>
    <message>
        <source>%1	%2	%3	%4, %5 free	%6	%7</source>
        <translation>%1	%2	%3	%4, %5 libres	%6	%7</translation>
    </message>
    <message>
        <source>unknown maker</source>
        <translation>fabricante desconocido</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>no packages</source>
        <translation>ningún paquete</translation>
    </message>
    <message>
        <source>Writes a package to drives at once: a copy where a drive has none, an update in place where it holds an older one of that name. Each is read back from the drive after writing.</source>
        <translation>Escribe un paquete en varias unidades a la vez: una copia donde una unidad no tiene ninguno, una actualización en su sitio donde tiene uno anterior con ese nombre. Cada una se relee de la unidad tras escribir.</translation>
    </message>
    <message>
        <source>Unmount and power off each drive once its package has been read back intact.</source>
        <translation>Desmontar y apagar cada unidad en cuanto su paquete se haya releído intacto.</translation>
    </message>
    <message>
        <source>Do not read the packages back.</source>
        <translation>No releer los paquetes.</translation>
    </message>
    <message>
        <source>Replace a package of the same name that is newer than this one, or another playlist altogether.</source>
        <translation>Reemplazar un paquete con el mismo nombre que sea más reciente que este, o una lista de reproducción totalmente distinta.</translation>
    </message>
    <message>
        <source>The package to write.</source>
        <translation>El paquete que se va a escribir.</translation>
    </message>
    <message>
        <source>A drive: its mount point, label or device; or a folder.</source>
        <translation>Una unidad: su punto de montaje, etiqueta o dispositivo; o una carpeta.</translation>
    </message>
    <message>
        <source>give a package and at least one drive.</source>
        <translation>indique un paquete y al menos una unidad.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>“%1” is no drive and no folder.</source>
        <translation>«%1» no es ni una unidad ni una carpeta.</translation>
    </message>
    <message>
        <source>“%1” names %2 drives; give the mount point or device of the one to write to:</source>
        <translation>«%1» corresponde a %2 unidades; indique el punto de montaje o el dispositivo de aquella en la que escribir:</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Give --force to replace it.</source>
        <translation>Indique --force para reemplazarlo.</translation>
    </message>
    <message>
        <source>Reads a package back from its drive, not from memory, and checks every entry&apos;s checksum.</source>
        <translation>Relee un paquete desde su unidad, no desde la memoria, y comprueba la suma de comprobación de cada entrada.</translation>
    </message>
    <message>
        <source>The package to read back.</source>
        <translation>El paquete que se va a releer.</translation>
    </message>
    <message>
        <source>give exactly one package.</source>
        <translation>indique exactamente un paquete.</translation>
    </message>
    <message>
        <source>“%1” reads back intact from its drive: %2 MB in %3 s.</source>
        <translation>«%1» se relee intacto desde su unidad: %2 MB en %3 s.</translation>
    </message>
    <message>
        <source>Prints a package&apos;s playlist: position, type, time and stored name of each row.</source>
        <translation>Muestra la lista de reproducción de un paquete: posición, tipo, tiempo y nombre guardado de cada fila.</translation>
    </message>
    <message>
        <source>Print the rows as a JSON array of objects with the keys position, type, time and name, and what a probe of each medium finds: problem (null when it plays) and, for videos, length in seconds (null when unknown).</source>
        <translation>Mostrar las filas como una matriz JSON de objetos con las claves position, type, time y name, y lo que encuentra el examen de cada archivo multimedia: problem (null cuando se reproduce) y, para los vídeos, length en segundos (null si se desconoce).</translation>
    </message>
    <message>
        <source>The package to list.</source>
        <translation>El paquete que se va a listar.</translation>
    </message>
    <message>
        <source>give exactly one package to list.</source>
        <translation>indique exactamente un paquete para listar.</translation>
    </message>
    <message>
        <source>“%1” lists “%2”, but holds no such file. Run “mrv check” on it.</source>
        <translation>«%1» incluye «%2», pero no contiene ese archivo. Ejecute «mrv check» sobre él.</translation>
    </message>
    <message>
        <source>mrv: unknown command “%1”.
Run “mrv --help” for the commands.</source>
        <translation>mrv: orden desconocida «%1».
Ejecute «mrv --help» para ver las órdenes.</translation>
    </message>
    <message>
        <source>Finishes what an interrupted update left of a package: the package is restored as it was before that update, or, when the update had completed, its journal is removed. A journal that does not belong to the package as it is, or that is damaged, is kept. Every other command does this first by itself; this one does only that, then checks the package as “mrv check” does.</source>
        <translation>Termina lo que una actualización interrumpida dejó de un paquete: el paquete se restaura tal como estaba antes de esa actualización o, si la actualización se había completado, se elimina su diario. Un diario que no pertenece al paquete tal como está, o que está dañado, se conserva. Todas las demás órdenes hacen esto primero por sí mismas; esta solo hace eso y después comprueba el paquete como «mrv check».</translation>
    </message>
    <message>
        <source>Remove the package&apos;s journal without applying it: for a package that is as it should be, beside a journal that does not belong to it.</source>
        <translation>Eliminar el diario del paquete sin aplicarlo: para un paquete que está como debe, junto a un diario que no le pertenece.</translation>
    </message>
    <message>
        <source>The package to repair.</source>
        <translation>El paquete que se va a reparar.</translation>
    </message>
    <message>
        <source>give exactly one package to repair.</source>
        <translation>indique exactamente un paquete para reparar.</translation>
    </message>
    <message>
        <source>“%1” needs no repair: no update of it was interrupted.</source>
        <translation>«%1» no necesita reparación: no se interrumpió ninguna actualización suya.</translation>
    </message>
    <message>
        <source>Changes a package in one transaction, as the window&apos;s Save does for an open playlist: removals first, then new times, then additions at the end. Either all of it is written or nothing.</source>
        <translation>Cambia un paquete en una sola transacción, como hace «Guardar» en la ventana con una lista de reproducción abierta: primero las eliminaciones, después los tiempos nuevos, después las adiciones al final. O se escribe todo o nada.</translation>
    </message>
    <message>
        <source>Append a media file; an image plays for the time given, or for %1.</source>
        <translation>Añadir un archivo multimedia al final; una imagen se muestra el tiempo indicado, o %1.</translation>
    </message>
    <message>
        <source>Remove every row that plays NAME (a stored name such as /clip.mp4; the &quot;/&quot; may be left out).</source>
        <translation>Quitar cada fila que reproduce NOMBRE (un nombre guardado como /clip.mp4; la «/» se puede omitir).</translation>
    </message>
    <message>
        <source>Set the time of every row that plays the image NAME.</source>
        <translation>Ajustar el tiempo de cada fila que reproduce la imagen NOMBRE.</translation>
    </message>
    <message>
        <source>The package to change.</source>
        <translation>El paquete que se va a cambiar.</translation>
    </message>
    <message>
        <source>give exactly one package to update.</source>
        <translation>indique exactamente un paquete para actualizar.</translation>
    </message>
    <message>
        <source>give at least one --add, --remove or --duration.</source>
        <translation>indique al menos un --add, --remove o --duration.</translation>
    </message>
    <message>
        <source>“%1” is not a valid --duration: write it as NAME=hh:mm:ss (or 90, 1:30). %2</source>
        <translation>«%1» no es un --duration válido: escríbalo como NOMBRE=hh:mm:ss (o 90, 1:30). %2</translation>
    </message>
    <message>
        <source>Cannot update “%1”: “%2” is a video, it plays to its end and takes no time. Nothing was written.</source>
        <translation>No se puede actualizar «%1»: «%2» es un vídeo, se reproduce hasta el final y no lleva tiempo. No se escribió nada.</translation>
    </message>
    <message>
        <source>Cannot update “%1”: its playlist has no “%2”. Nothing was written; “mrv list” shows the names it holds.</source>
        <translation>No se puede actualizar «%1»: su lista de reproducción no contiene «%2». No se escribió nada; «mrv list» muestra los nombres que contiene.</translation>
    </message>
    <message>
        <source>Cannot update “%1”: the playlist would be empty. Nothing was written.</source>
        <translation>No se puede actualizar «%1»: la lista de reproducción quedaría vacía. No se escribió nada.</translation>
    </message>
    <message>
        <source>Fitted “%1”: %2.</source>
        <translation>«%1» adaptado: %2.</translation>
    </message>
    <message>
        <source>Fitted %1 of %2 files to the screen: %3 → %4.</source>
        <translation>%1 de %2 archivos adaptados a la pantalla: %3 → %4.</translation>
    </message>
    <message>
        <source>Store fitted copies of the media larger or richer than the screen and its player use (photos scaled to the screen, clips re-encoded within the player&apos;s limits); the files themselves are not changed. The profile is the one set in the window&apos;s Screen and Player dialog, or --profile&apos;s.</source>
        <translation>Guardar copias adaptadas de los archivos multimedia más grandes o exigentes de lo que usan la pantalla y su reproductor (fotos reducidas al tamaño de la pantalla, clips recodificados dentro de los límites del reproductor); los archivos en sí no se modifican. El perfil es el elegido en la ventana, en «Pantalla y reproductor», o el de --profile.</translation>
    </message>
    <message>
        <source>The screen and player to fit to, one of: %1.</source>
        <translation>La pantalla y el reproductor a los que adaptar, uno de: %1.</translation>
    </message>
    <message>
        <source>“%1” is no --profile; give one of: %2.</source>
        <translation>«%1» no es un --profile válido; indique uno de estos: %2.</translation>
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
        <translation>Uso: mrv ORDEN [opciones] [argumentos]
Crea, lista, comprueba y actualiza paquetes de listas de reproducción (.mrv) desde scripts.

Órdenes:
  build SALIDA.mrv ARCHIVO[=hh:mm:ss]...  Crear un paquete nuevo a partir de archivos multimedia; --fit
                                          guarda copias adaptadas a la pantalla y al reproductor
  list PAQUETE                      Mostrar la lista de reproducción de un paquete
  check PAQUETE                     Comprobar la estructura, el documento y las sumas de comprobación
  update PAQUETE                    Añadir, quitar o cambiar el tiempo de entradas en una transacción
  repair PAQUETE                    Terminar lo que dejó una actualización interrumpida
  drives [--json]                   Listar las unidades extraíbles y sus paquetes
  write PAQUETE UNIDAD... [--eject] Escribir un paquete en varias unidades, releer, expulsar
  verify PAQUETE                    Releer un paquete desde su unidad

Ejecute «mrv ORDEN --help» para ver las opciones de una orden.
Estado de salida: 0 hecho, 1 rechazado o fallido, 2 línea de órdenes incorrecta.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Updating the package in place: do not remove the drive until it is done.</source>
        <translation>Actualizando el paquete en su sitio: no retire la unidad hasta que termine.</translation>
    </message>
    <message>
        <source>reading it failed: %1</source>
        <translation>falló la lectura: %1</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>el archivo comprimido está dañado</translation>
    </message>
    <message>
        <source>%1; the update is complete but could not be finished: it will be finished the next time the package is opened</source>
        <translation>%1; la actualización está completa pero no se pudo terminar: se terminará la próxima vez que se abra el paquete</translation>
    </message>
    <message>
        <source>%1 is being updated by another program; waiting.</source>
        <translation>Otro programa está actualizando %1; esperando.</translation>
    </message>
    <message>
        <source>It was not applied, and both were kept. If the package is as it should be, run “mrv repair --discard-journal %1”; otherwise copy the package and the journal elsewhere first.</source>
        <translation>No se aplicó, y se conservaron ambos. Si el paquete está como debe, ejecute «mrv repair --discard-journal %1»; si no, copie antes el paquete y el diario a otro lugar.</translation>
    </message>
    <message>
        <source>What an interrupted save left beside %1 was removed: %2.</source>
        <translation>Se eliminó lo que un guardado interrumpido dejó junto a %1: %2.</translation>
    </message>
    <message>
        <source>%1 stands where the journal of %2 belongs, but it is not a file. It was left alone; move it away.</source>
        <translation>%1 está donde corresponde el diario de %2, pero no es un archivo. No se tocó; muévalo a otro lugar.</translation>
    </message>
    <message>
        <source>its drive cannot lock files, so its update may still be running</source>
        <translation>su unidad no puede bloquear archivos, así que puede que su actualización siga en curso</translation>
    </message>
    <message>
        <source>it is a link, and a journal is applied to the package itself only</source>
        <translation>es un enlace, y un diario solo se aplica al propio paquete</translation>
    </message>
    <message>
        <source>it is on another drive than its folder</source>
        <translation>está en otra unidad que su carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The journal %1 holds an interrupted update of %2, which cannot be recovered now: %3. The journal was kept.</source>
        <translation>El diario %1 contiene una actualización interrumpida de %2 que no se puede recuperar ahora: %3. Se conservó el diario.</translation>
    </message>
    <message>
        <source>Cannot recover %1: it was replaced while it was opened.</source>
        <translation>No se puede recuperar %1: se reemplazó mientras estaba abierto.</translation>
    </message>
    <message>
        <source>Cannot recover %1: %2. The journal was kept.</source>
        <translation>No se puede recuperar %1: %2. Se conservó el diario.</translation>
    </message>
    <message>
        <source>The journal %1 of an interrupted update of %2 is damaged, so the package may be damaged too. The journal was kept: it holds the package&apos;s old bytes. Copy both elsewhere before you change anything; if the package is as it should be, run “mrv repair --discard-journal %3”.</source>
        <translation>El diario %1 de una actualización interrumpida de %2 está dañado, así que el paquete también puede estarlo. Se conservó el diario: contiene los bytes antiguos del paquete. Copie ambos a otro lugar antes de cambiar nada; si el paquete está como debe, ejecute «mrv repair --discard-journal %3».</translation>
    </message>
    <message>
        <source>Cannot recover %1: %2.</source>
        <translation>No se puede recuperar %1: %2.</translation>
    </message>
    <message>
        <source>An unfinished journal of %1 was removed; the package had not been changed.</source>
        <translation>Se eliminó un diario sin terminar de %1; el paquete no se había modificado.</translation>
    </message>
    <message>
        <source>The journal %1 of an interrupted update does not belong to %2 as it is now: %3. %4</source>
        <translation>El diario %1 de una actualización interrumpida no pertenece a %2 tal como está ahora: %3. %4</translation>
    </message>
    <message>
        <source>The last update of %1 had been completed before it was interrupted; its journal was removed.</source>
        <translation>La última actualización de %1 se había completado antes de interrumpirse; se eliminó su diario.</translation>
    </message>
    <message>
        <source>The last update of %1 was interrupted; the package was restored as it was before that update.</source>
        <translation>La última actualización de %1 se interrumpió; el paquete se restauró tal como estaba antes de esa actualización.</translation>
    </message>
    <message>
        <source>Cannot recover %1 from its journal %2: %3. The journal was kept: it will be tried again the next time the package is opened.</source>
        <translation>No se puede recuperar %1 desde su diario %2: %3. Se conservó el diario: se volverá a intentar la próxima vez que se abra el paquete.</translation>
    </message>
    <message>
        <source>Cannot discard the journal of %1: no lock can be taken on the package, so its update may still be running.</source>
        <translation>No se puede descartar el diario de %1: el paquete no se puede bloquear, así que puede que su actualización siga en curso.</translation>
    </message>
    <message>
        <source>Cannot remove the journal %1: %2.</source>
        <translation>No se puede eliminar el diario %1: %2.</translation>
    </message>
    <message>
        <source>The journal %1 was removed without being applied; %2 stays as it is.</source>
        <translation>El diario %1 se eliminó sin aplicarse; %2 queda como está.</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>no es un archivo zip</translation>
    </message>
    <message>
        <source>the archive is damaged (checksum mismatch)</source>
        <translation>el archivo comprimido está dañado (la suma de comprobación no coincide)</translation>
    </message>
    <message>
        <source>the entry is encrypted</source>
        <translation>la entrada está cifrada</translation>
    </message>
    <message>
        <source>the entry uses an unsupported compression method</source>
        <translation>la entrada usa un método de compresión no admitido</translation>
    </message>
    <message>
        <source>the name “%1” cannot be stored in a package</source>
        <translation>el nombre «%1» no se puede guardar en un paquete</translation>
    </message>
    <message>
        <source>the package would be %1, but the drive of %2 holds no file over %3</source>
        <translation>el paquete ocuparía %1, pero la unidad de %2 no admite archivos de más de %3</translation>
    </message>
    <message>
        <source>the package needs %1, %2 free on %3</source>
        <translation>el paquete necesita %1, hay %2 libres en %3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>No se puede guardar %1: %2.</translation>
    </message>
    <message>
        <source>the drive is read-only (a read-only file system)</source>
        <translation>la unidad es de solo lectura (un sistema de archivos de solo lectura)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>you have no permission to write to the folder %1</source>
        <translation>no tiene permiso para escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>cannot lock it: %1</source>
        <translation>no se puede bloquear: %1</translation>
    </message>
    <message>
        <source>The drive of %1 cannot lock files, so nothing kept other programs from changing the package while it was saved.</source>
        <translation>La unidad de %1 no puede bloquear archivos, así que nada impidió que otros programas cambiaran el paquete mientras se guardaba.</translation>
    </message>
    <message>
        <source>The package %1 was changed by another program since it was opened.</source>
        <translation>Otro programa modificó el paquete %1 desde que se abrió.</translation>
    </message>
    <message>
        <source>the entry %1 is named twice</source>
        <translation>la entrada %1 aparece dos veces</translation>
    </message>
    <message>
        <source>its playlist document is larger than 16 MiB</source>
        <translation>su documento de lista de reproducción ocupa más de 16 MiB</translation>
    </message>
    <message>
        <source>cannot read the package %1: %2</source>
        <translation>no se puede leer el paquete %1: %2</translation>
    </message>
    <message>
        <source>the package %1 holds no entry %2</source>
        <translation>el paquete %1 no contiene ninguna entrada %2</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>se canceló el guardado</translation>
    </message>
    <message>
        <source>The package %1 was saved, but the drive did not confirm it. Eject the drive safely before unplugging it.</source>
        <translation>El paquete %1 se guardó, pero la unidad no lo confirmó. Expulse la unidad de forma segura antes de desconectarla.</translation>
    </message>
    <message>
        <source>it holds no playlist document (json.txt)</source>
        <translation>no contiene ningún documento de lista de reproducción (json.txt)</translation>
    </message>
    <message>
        <source>; free %1, or Save As to another drive</source>
        <translation>; libere %1, o use «Guardar como» en otra unidad</translation>
    </message>
    <message>
        <source>%1, and it could not be restored yet: do not use the drive for anything else, and open the package again to restore it</source>
        <translation>%1, y aún no se pudo restaurar: no use la unidad para nada más y vuelva a abrir el paquete para restaurarlo</translation>
    </message>
    <message>
        <source>cannot create a file in the folder %1: %2</source>
        <translation>no se puede crear un archivo en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the media file %1 is missing</source>
        <translation>falta el archivo multimedia %1</translation>
    </message>
    <message>
        <source>the media file %1 is not a regular file</source>
        <translation>el archivo multimedia %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot read the media file %1: %2</source>
        <translation>no se puede leer el archivo multimedia %1: %2</translation>
    </message>
    <message>
        <source>the media file %1 changed while the package was being saved</source>
        <translation>el archivo multimedia %1 cambió mientras se guardaba el paquete</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write the journal %1</source>
        <translation>no se puede escribir el diario %1</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>no se puede leer el paquete</translation>
    </message>
    <message>
        <source>cannot read the journal %1</source>
        <translation>no se puede leer el diario %1</translation>
    </message>
    <message>
        <source>cannot restore the package</source>
        <translation>no se puede restaurar el paquete</translation>
    </message>
    <message>
        <source>cannot remove the journal %1</source>
        <translation>no se puede eliminar el diario %1</translation>
    </message>
    <message>
        <source>it was made for another package</source>
        <translation>se creó para otro paquete</translation>
    </message>
    <message>
        <source>the package is another file than the one the update began on</source>
        <translation>el paquete es otro archivo distinto de aquel con el que empezó la actualización</translation>
    </message>
    <message>
        <source>its length (%1 bytes) is none the update could leave</source>
        <translation>su longitud (%1 bytes) no es ninguna que la actualización pudiera dejar</translation>
    </message>
    <message>
        <source>its bytes before offset %1 are not those the update left alone</source>
        <translation>sus bytes antes de la posición %1 no son los que la actualización dejó intactos</translation>
    </message>
    <message>
        <source>its bytes from offset %1 on are neither those it had before the update nor those the update wrote</source>
        <translation>sus bytes desde la posición %1 no son ni los de antes de la actualización ni los que esta escribió</translation>
    </message>
    <message>
        <source>the archive holds too many entries</source>
        <translation>el archivo comprimido contiene demasiadas entradas</translation>
    </message>
    <message>
        <source>the entry “%1” is not a plain file name</source>
        <translation>la entrada «%1» no es un nombre de archivo simple</translation>
    </message>
    <message>
        <source>it holds the entry “%1” twice</source>
        <translation>contiene dos veces la entrada «%1»</translation>
    </message>
    <message>
        <source>the entry “%1” is encrypted</source>
        <translation>la entrada «%1» está cifrada</translation>
    </message>
    <message>
        <source>the entry “%1” uses an unsupported compression method</source>
        <translation>la entrada «%1» usa un método de compresión no admitido</translation>
    </message>
    <message>
        <source>the entry “%1” has a size field this program does not support</source>
        <translation>la entrada «%1» tiene un campo de tamaño que este programa no admite</translation>
    </message>
    <message>
        <source>too many files are open at once (%1)</source>
        <translation>hay demasiados archivos abiertos a la vez (%1)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>sus datos están dañados</translation>
    </message>
    <message>
        <source>it holds no entry %1</source>
        <translation>no contiene ninguna entrada %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the entry %1 is too large (%2 bytes, at most %3 are read)</source>
        <translation>la entrada %1 es demasiado grande (%2 bytes, se leen como máximo %3)</translation>
    </message>
    <message>
        <source>the entry %1: %2</source>
        <translation>la entrada %1: %2</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>se canceló la comprobación</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
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
        <translation>n.º de serie %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>The drive service of this computer (UDisks2) cannot be reached (%1), so drives cannot be listed or ejected here. Choose the drive&apos;s folder instead.</source>
        <translation>No se puede acceder al servicio de unidades de este equipo (UDisks2) (%1), así que aquí no se pueden listar ni expulsar unidades. Elija en su lugar la carpeta de la unidad.</translation>
    </message>
    <message>
        <source>a program still has a file open on it; close it and try again</source>
        <translation>un programa aún tiene un archivo abierto en ella; ciérrelo e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>this user may not do that (%1)</source>
        <translation>este usuario no tiene permiso para hacerlo (%1)</translation>
    </message>
    <message>
        <source>there is no system bus</source>
        <translation>no hay bus del sistema</translation>
    </message>
    <message>
        <source>“%1” is not a drive the drive service knows; unmount it by hand before removing it.</source>
        <translation>«%1» no es una unidad que conozca el servicio de unidades; desmóntela a mano antes de retirarla.</translation>
    </message>
    <message>
        <source>“%1” could not be unmounted: %2.</source>
        <translation>«%1» no se pudo desmontar: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: another program is writing it (%2). Close it and try again.</source>
        <translation>No se puede escribir %1: otro programa lo está escribiendo (%2). Ciérrelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Cancelled: %1 was left as it was.</source>
        <translation>Cancelado: %1 quedó como estaba.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2. Its new version is complete; write to the drive again to finish it.</source>
        <translation>No se puede terminar %1: %2. Su nueva versión está completa; vuelva a escribir en la unidad para terminarla.</translation>
    </message>
    <message>
        <source>%1 Its old version could not be put back yet (%2): do not use the drive for anything else, and write to it again to restore it.</source>
        <translation>%1 Aún no se pudo restablecer su versión anterior (%2): no use la unidad para nada más y vuelva a escribir en ella para restaurarla.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The drive was left as it was.</source>
        <translation>La unidad quedó como estaba.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. The drive was left as it was.</source>
        <translation>No se puede escribir %1: %2. La unidad quedó como estaba.</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificado</translation>
    </message>
    <message>
        <source>Safe to remove</source>
        <translation>Se puede retirar con seguridad</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falló</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Finishing: writing the last data to the stick</source>
        <translation>Terminando: escribiendo los últimos datos en la memoria USB</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>%1 of %2 drives done.</source>
        <translation>%1 de %2 unidades terminadas.</translation>
    </message>
    <message>
        <source>Cancelled: %1, each left as it was.</source>
        <translation>Cancelado: %1, cada una quedó como estaba.</translation>
    </message>
    <message>
        <source>Skipped: %1, each keeping its own package.</source>
        <translation>Omitido: %1, cada una conserva su propio paquete.</translation>
    </message>
    <message>
        <source>Failed: %1; each says why and what it holds.</source>
        <translation>Falló: %1; cada una indica por qué y qué contiene.</translation>
    </message>
    <message>
        <source>not readable as a playlist</source>
        <translation>no se puede leer como lista de reproducción</translation>
    </message>
    <message>
        <source>saved %1, 1 item</source>
        <translation>guardado %1, 1 elemento</translation>
    </message>
    <message>
        <source>saved %1, %2 items</source>
        <translation>guardado %1, %2 elementos</translation>
    </message>
    <message>
        <source>“%1” holds a newer %2 (%3); replace it?</source>
        <translation>«%1» contiene una versión más reciente de %2 (%3); ¿reemplazarla?</translation>
    </message>
    <message>
        <source>“%1” holds another playlist named %2 (%3), not a version of this one; replace it?</source>
        <translation>«%1» contiene otra lista de reproducción llamada %2 (%3), no una versión de esta; ¿reemplazarla?</translation>
    </message>
    <message>
        <source>“%1” is not mounted at %2 any more, so nothing was written there. Plug it in again, then Refresh.</source>
        <translation>«%1» ya no está montada en %2, así que no se escribió nada en ella. Conéctela de nuevo y pulse «Actualizar».</translation>
    </message>
    <message>
        <source>It was not replaced.</source>
        <translation>No se reemplazó.</translation>
    </message>
    <message>
        <source>%1 holds the new package; reading it back was cancelled.</source>
        <translation>%1 contiene el paquete nuevo; se canceló la relectura.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a drive this computer can eject; unmount its drive by hand before removing it.</source>
        <translation>%1 es una carpeta, no una unidad que este equipo pueda expulsar; desmonte su unidad a mano antes de retirarla.</translation>
    </message>
    <message>
        <source>The drive returned other data for %1 than was written (%2): it may be failing, or smaller than it claims. Do not use it; write the package to another drive.</source>
        <translation>La unidad devolvió para %1 datos distintos de los escritos (%2): puede estar fallando o ser más pequeña de lo que indica. No la use; escriba el paquete en otra unidad.</translation>
    </message>
    <message>
        <source>The check of %1 was cancelled.</source>
        <translation>Se canceló la comprobación de %1.</translation>
    </message>
    <message>
        <source>Cannot read %1 back from its drive: %2.</source>
        <translation>No se puede releer %1 de su unidad: %2.</translation>
    </message>
    <message>
        <source>its playlist document is missing</source>
        <translation>falta su documento de lista de reproducción</translation>
    </message>
    <message>
        <source>its playlist document differs from the one built</source>
        <translation>su documento de lista de reproducción difiere del creado</translation>
    </message>
    <message>
        <source>the link points to nothing</source>
        <translation>el enlace no apunta a nada</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>its name holds a control character, which a package cannot store</source>
        <translation>su nombre contiene un carácter de control, que un paquete no puede guardar</translation>
    </message>
    <message>
        <source>A package holds one file per name, and these files share a name (letter case does not count on USB sticks):</source>
        <translation>Un paquete contiene un archivo por nombre, y estos archivos comparten nombre (en las memorias USB no cuentan mayúsculas y minúsculas):</translation>
    </message>
    <message>
        <source>Rename one file of each pair and add it again.</source>
        <translation>Cambie el nombre de un archivo de cada par y vuelva a añadirlo.</translation>
    </message>
    <message>
        <source>The name %1 belongs to the playlist document:</source>
        <translation>El nombre %1 pertenece al documento de la lista de reproducción:</translation>
    </message>
    <message>
        <source>Rename these files and add them again.</source>
        <translation>Cambie el nombre de estos archivos y vuelva a añadirlos.</translation>
    </message>
    <message>
        <source>This program has too many files open at once (%1), so %2 media files could not be checked. Close other programs or raise the limit of open files (ulimit -n), then save again.</source>
        <translation>Este programa tiene demasiados archivos abiertos a la vez (%1), así que no se pudieron comprobar %2 archivos multimedia. Cierre otros programas o aumente el límite de archivos abiertos (ulimit -n) y vuelva a guardar.</translation>
    </message>
    <message>
        <source>These media files cannot be saved:</source>
        <translation>Estos archivos multimedia no se pueden guardar:</translation>
    </message>
    <message>
        <source>Put them back or rename them, or delete their rows.</source>
        <translation>Devuélvalos a su sitio o cámbieles el nombre, o elimine sus filas.</translation>
    </message>
    <message>
        <source>The playlist was not saved; nothing was written.</source>
        <translation>La lista de reproducción no se guardó; no se escribió nada.</translation>
    </message>
    <message>
        <source>“%1”: the playlist plays “%2”, but the package holds no such file. Add the file again, or remove it from the playlist.</source>
        <translation>«%1»: la lista de reproducción reproduce «%2», pero el paquete no contiene ese archivo. Añada de nuevo el archivo o quítelo de la lista de reproducción.</translation>
    </message>
    <message>
        <source>“%1”: the entry “%2” is played by no playlist row.</source>
        <translation>«%1»: ninguna fila de la lista de reproducción reproduce la entrada «%2».</translation>
    </message>
    <message>
        <source>Cannot read %1: it holds no playlist document (json.txt).</source>
        <translation>No se puede leer %1: no contiene ningún documento de lista de reproducción (json.txt).</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is larger than 16 MiB.</source>
        <translation>No se puede leer %1: su documento de lista de reproducción ocupa más de 16 MiB.</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is not valid JSON (%2).</source>
        <translation>No se puede leer %1: su documento de lista de reproducción no es JSON válido (%2).</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is not a JSON object.</source>
        <translation>No se puede leer %1: su documento de lista de reproducción no es un objeto JSON.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 quedó como estaba.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>A package holds at most %1 rows, and this playlist has %2. Split it into two packages.</source>
        <translation>Un paquete contiene como máximo %1 filas, y esta lista de reproducción tiene %2. Divídala en dos paquetes.</translation>
    </message>
    <message>
        <source>The package %1 cannot be read: %2. Check the drive (reconnect it if it was pulled out), then save again; or save the playlist under a new name on another drive.</source>
        <translation>No se puede leer el paquete %1: %2. Compruebe la unidad (vuelva a conectarla si se desconectó) y guarde de nuevo; o guarde la lista de reproducción con otro nombre en otra unidad.</translation>
    </message>
    <message>
        <source>The package %1 is no longer there, so it cannot be updated. Reconnect its drive or put it back, then save again; or save the playlist under a new name.</source>
        <translation>El paquete %1 ya no está, así que no se puede actualizar. Vuelva a conectar su unidad o devuélvalo a su sitio y guarde de nuevo; o guarde la lista de reproducción con otro nombre.</translation>
    </message>
    <message>
        <source>The files added would replace files that rows still play: %1.</source>
        <translation>Los archivos añadidos reemplazarían archivos que aún reproducen algunas filas: %1.</translation>
    </message>
    <message>
        <source>The playlist is too large to open again: a package holds at most %1 rows with names of ordinary length. Split it into two packages.</source>
        <translation>La lista de reproducción es demasiado grande para volver a abrirse: un paquete contiene como máximo %1 filas con nombres de longitud normal. Divídala en dos paquetes.</translation>
    </message>
    <message>
        <source>The playlist was not saved: its document and its files would disagree.</source>
        <translation>La lista de reproducción no se guardó: su documento y sus archivos no coincidirían.</translation>
    </message>
    <message>
        <source>The save was cancelled.</source>
        <translation>Se canceló el guardado.</translation>
    </message>
    <message>
        <source>The playlist was saved, but it cannot be read back: %1</source>
        <translation>La lista de reproducción se guardó, pero no se puede releer: %1</translation>
    </message>
    <message>
        <source>The package %1 was written, but its document and its files disagree; the player will not play all of it. Save it again.</source>
        <translation>El paquete %1 se escribió, pero su documento y sus archivos no coinciden; el reproductor no lo reproducirá entero. Vuelva a guardarlo.</translation>
    </message>
    <message>
        <source>not a kept playlist</source>
        <translation>no es una lista de reproducción conservada</translation>
    </message>
    <message>
        <source>a row has no time or no file</source>
        <translation>una fila no tiene tiempo o no tiene archivo</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>No time given: type whole seconds (90), minutes and seconds (1:30) or hh:mm:ss (00:01:30).</source>
        <translation>No se indicó ningún tiempo: escriba segundos enteros (90), minutos y segundos (1:30) o hh:mm:ss (00:01:30).</translation>
    </message>
    <message>
        <source>“%1” is no time: type whole seconds (90), minutes and seconds (1:30) or hh:mm:ss (00:01:30).</source>
        <translation>«%1» no es un tiempo: escriba segundos enteros (90), minutos y segundos (1:30) o hh:mm:ss (00:01:30).</translation>
    </message>
    <message>
        <source>“%1” is no time: seconds after a colon go from 00 to 59.</source>
        <translation>«%1» no es un tiempo: los segundos tras dos puntos van de 00 a 59.</translation>
    </message>
    <message>
        <source>“%1” is no time: minutes between colons go from 00 to 59.</source>
        <translation>«%1» no es un tiempo: los minutos entre dos puntos van de 00 a 59.</translation>
    </message>
    <message>
        <source>“%1” is too long: a time goes up to 23:59:59.</source>
        <translation>«%1» es demasiado largo: un tiempo llega como máximo a 23:59:59.</translation>
    </message>
    <message>
        <source>the disk kept other bytes than were written (is it full?)</source>
        <translation>el disco conservó bytes distintos de los escritos (¿está lleno?)</translation>
    </message>
    <message>
        <source>The folders to start in next time could not be remembered: %1 cannot be written (%2).</source>
        <translation>No se pudieron recordar las carpetas de inicio para la próxima vez: no se puede escribir %1 (%2).</translation>
    </message>
    <message>
        <source>The length of the video “%1” is not known yet: wait until the table has checked it, then try again.</source>
        <translation>Aún no se conoce la duración del vídeo «%1»: espere a que la tabla lo haya comprobado y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The playlist has no images: only the times of images can change, videos play for their own length. Add an image first.</source>
        <translation>La lista de reproducción no tiene imágenes: solo se pueden cambiar los tiempos de las imágenes; los vídeos duran lo que duran. Añada primero una imagen.</translation>
    </message>
    <message>
        <source>The videos alone play %1, which leaves less than a second for each of the %2 images. Choose a loop of at least %3, or remove a video.</source>
        <translation>Los vídeos por sí solos duran %1, lo que deja menos de un segundo para cada una de las %2 imágenes. Elija un bucle de al menos %3, o quite un vídeo.</translation>
    </message>
    <message>
        <source>Each image would show for a day or longer: choose a shorter loop.</source>
        <translation>Cada imagen se mostraría un día o más: elija un bucle más corto.</translation>
    </message>
</context>
<context>
    <name>DrivesDialog</name>
    <message>
        <source>Write to Drives</source>
        <translation>Escribir en unidades</translation>
    </message>
    <message>
        <source>Write “%1” to the drives ticked below. A drive that holds an older version gets only what changed.</source>
        <translation>Escribir %1 en las unidades marcadas abajo. Una unidad que tenga una versión anterior solo recibe lo que ha cambiado.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Fabricante y modelo</translation>
    </message>
    <message>
        <source>Mounted at</source>
        <translation>Montada en</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Paquetes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Read back from each drive</source>
        <translation>Releer cada unidad</translation>
    </message>
    <message>
        <source>Eject when done</source>
        <translation>Expulsar al terminar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Elegir carpeta…</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Looking for drives…</source>
        <translation>Buscando unidades…</translation>
    </message>
    <message>
        <source>Choose a drive&apos;s folder</source>
        <translation>Elegir la carpeta de una unidad</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>No removable drive is plugged in. Plug one in, or choose a folder.</source>
        <translation>No hay ninguna unidad extraíble conectada. Conecte una o elija una carpeta.</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s) found.</source>
        <translation>
            <numerusform>%n unidad encontrada.</numerusform>
            <numerusform>%n unidades encontradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only drives listed by this computer&apos;s drive service can be ejected here; a folder cannot.</source>
        <translation>Aquí solo se pueden expulsar las unidades que conoce el servicio de unidades de este equipo; una carpeta no.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Cancelado: no se escribió nada.</translation>
    </message>
    <message>
        <source>Reading what the drives hold…</source>
        <translation>Leyendo el contenido de las unidades…</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 de %3</translation>
    </message>
    <message>
        <source>, %1/s, %2 s left</source>
        <translation>, %1/s, quedan %2 s</translation>
    </message>
    <message>
        <source>%1 of %2 drives done.</source>
        <translation>%1 de %2 unidades terminadas.</translation>
    </message>
    <message>
        <source>%1 written in %2 s</source>
        <translation>%1 escrito en %2 s</translation>
    </message>
    <message>
        <source>held this package already</source>
        <translation>ya tenía este paquete</translation>
    </message>
    <message>
        <source>; read back in %1 s</source>
        <translation>; releído en %1 s</translation>
    </message>
    <message>
        <source>Cancelling: a drive being written keeps the package it had…</source>
        <translation>Cancelando: una unidad que se está escribiendo conserva el paquete que tenía…</translation>
    </message>
</context>
<context>
    <name>JobProgressDialog</name>
    <message>
        <source>%1 s left</source>
        <translation>quedan %1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <translation>quedan %1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min left</source>
        <translation>quedan %1 h %2 min</translation>
    </message>
    <message>
        <source>Compiling media...</source>
        <translation>Reuniendo los archivos multimedia…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 de %2 MB</translation>
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
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Go online with Merovi</source>
        <translation>Merovi en internet</translation>
    </message>
    <message>
        <source>https://www.example.com/wordpress</source>
        <translation>https://www.example.com/wordpress</translation>
    </message>
    <message numerus="yes">
        <source>a new playlist of %n rows</source>
        <translation>
            <numerusform>una nueva lista de reproducción de %n fila</numerusform>
            <numerusform>una nueva lista de reproducción de %n filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the package %1</source>
        <translation>
            <numerusform>%n fila del paquete %1</numerusform>
            <numerusform>%n filas del paquete %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved playlist</source>
        <translation>Lista de reproducción sin guardar</translation>
    </message>
    <message>
        <source>The program ended without saving %1 (last edited %2). Bring it back?

Later keeps it for the next start.</source>
        <translation>El programa se cerró sin guardar %1 (última edición %2). ¿Recuperarla?

«Más tarde» la conserva para el próximo inicio.</translation>
    </message>
    <message>
        <source>Bring Back</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n rows</source>
        <translation>
            <numerusform>%n fila recuperada</numerusform>
            <numerusform>%n filas recuperadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to Drives…</source>
        <translation>Escribir en unidades…</translation>
    </message>
    <message>
        <source>Write to Drives</source>
        <translation>Escribir en unidades</translation>
    </message>
    <message>
        <source>Save the playlist first: the drives get the package as it was saved.</source>
        <translation>Guarde primero la lista de reproducción: las unidades reciben el paquete tal como se guardó.</translation>
    </message>
    <message>
        <source>Time(sec)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>The last update of %1 was interrupted. Finish it now? The package is then restored as it was before that update, or completed if the update had come to its end; a journal that does not belong to it is kept.</source>
        <translation>La última actualización de %1 se interrumpió. ¿Terminarla ahora? El paquete se restaura entonces tal como estaba antes de esa actualización, o se completa si la actualización había llegado a su fin; un diario que no le pertenece se conserva.</translation>
    </message>
    <message>
        <source>Interrupted save</source>
        <translation>Guardado interrumpido</translation>
    </message>
    <message>
        <source>Save the changes before closing?</source>
        <translation>¿Guardar los cambios antes de cerrar?</translation>
    </message>
    <message>
        <source>The new playlist</source>
        <translation>La nueva lista de reproducción</translation>
    </message>
    <message>
        <source>The playlist of %1</source>
        <translation>La lista de reproducción de %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>New playlist</source>
        <translation>Nueva lista de reproducción</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Playlist</source>
        <translation>&amp;Nueva lista de reproducción</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>No recent packages</source>
        <translation>No hay paquetes recientes</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>Save them before opening another package?</source>
        <translation>¿Guardarlos antes de abrir otro paquete?</translation>
    </message>
    <message>
        <source>Save them before starting a new playlist?</source>
        <translation>¿Guardarlos antes de empezar una nueva lista de reproducción?</translation>
    </message>
    <message>
        <source>Saved %1 at %2</source>
        <translation>%1 guardado a las %2</translation>
    </message>
    <message>
        <source>Saved %1 (%2) at %3</source>
        <translation>%1 (%2) guardado a las %3</translation>
    </message>
    <message>
        <source>%1 — verified, safe to remove</source>
        <translation>%1 – verificado, se puede retirar con seguridad</translation>
    </message>
    <message>
        <source>Opened %1: 1 item</source>
        <translation>%1 abierto: 1 elemento</translation>
    </message>
    <message>
        <source>Opened %1: %2 items</source>
        <translation>%1 abierto: %2 elementos</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Merovi USB Playlist builder %1&lt;/h3&gt;&lt;p&gt;Builds playlist packages for media players that play from a USB stick.&lt;/p&gt;&lt;p&gt;Qt %2 (built with %3)&lt;br&gt;libzip %4&lt;br&gt;FFmpeg %5&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Merovi USB Playlist builder %1&lt;/h3&gt;&lt;p&gt;Crea paquetes de listas de reproducción para reproductores que reproducen desde una memoria USB.&lt;/p&gt;&lt;p&gt;Qt %2 (compilado con %3)&lt;br&gt;libzip %4&lt;br&gt;FFmpeg %5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read back from the drive in %1 s</source>
        <translation>Releído de la unidad en %L1 s</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>Looking at the files...</source>
        <translation>Examinando los archivos…</translation>
    </message>
    <message>
        <source>Finishing looking at the files before closing…</source>
        <translation>Terminando el examen de los archivos antes de cerrar…</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>The player takes PNG and JPEG images and MP4 and AVI videos. These files will be converted, and the playlist will play the converted copies:
    %1

The files themselves are not changed.</source>
        <translation>El reproductor admite imágenes PNG y JPEG y vídeos MP4 y AVI. Estos archivos se convertirán, y la lista de reproducción reproducirá las copias convertidas:
    %1

Los archivos en sí no se modifican.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Nothing converted</source>
        <translation>No se convirtió nada</translation>
    </message>
    <message>
        <source>Converting media...</source>
        <translation>Convirtiendo archivos multimedia…</translation>
    </message>
    <message>
        <source>Finishing the conversion before closing…</source>
        <translation>Terminando la conversión antes de cerrar…</translation>
    </message>
    <message>
        <source>Conversion cancelled</source>
        <translation>Conversión cancelada</translation>
    </message>
    <message>
        <source>Converted 1 file</source>
        <translation>1 archivo convertido</translation>
    </message>
    <message>
        <source>Converted %1 files</source>
        <translation>%1 archivos convertidos</translation>
    </message>
    <message>
        <source>These files were not added:

%1</source>
        <translation>Estos archivos no se añadieron:

%1</translation>
    </message>
    <message>
        <source>%1 was not converted: cancelled.</source>
        <translation>%1 no se convirtió: cancelado.</translation>
    </message>
    <message>
        <source>Select file to save</source>
        <translation>Elegir archivo para guardar</translation>
    </message>
    <message>
        <source>Merovi file (*.mrv)</source>
        <translation>Archivo Merovi (*.mrv)</translation>
    </message>
    <message>
        <source>Reading the package...</source>
        <translation>Leyendo el paquete…</translation>
    </message>
    <message>
        <source>Finishing reading the package before closing…</source>
        <translation>Terminando la lectura del paquete antes de cerrar…</translation>
    </message>
    <message>
        <source>The playlist on screen was kept. Choose a playlist package saved by this program.</source>
        <translation>Se conservó la lista de reproducción en pantalla. Elija un paquete guardado con este programa.</translation>
    </message>
    <message>
        <source>The package %1 lacks media files its playlist names; the player will skip or stop at them:
    %2

Add these files again, or delete their rows.</source>
        <translation>Al paquete %1 le faltan archivos multimedia que nombra su lista de reproducción; el reproductor los saltará o se detendrá en ellos:
    %2

Añada de nuevo estos archivos o elimine sus filas.</translation>
    </message>
    <message>
        <source>Nothing to save: add files to the playlist first</source>
        <translation>Nada que guardar: añada primero archivos a la lista de reproducción</translation>
    </message>
    <message>
        <source>No changes to save</source>
        <translation>No hay cambios que guardar</translation>
    </message>
    <message>
        <source>Save an empty playlist? The player will then show nothing.</source>
        <translation>¿Guardar una lista de reproducción vacía? El reproductor no mostrará nada.</translation>
    </message>
    <message>
        <source>The package %1 already holds files of these names, and rows of the playlist play them:
    %2

Replace them with the files you added? Every row that plays one of these names will then play the new file. Cancel changes nothing.</source>
        <translation>El paquete %1 ya contiene archivos con estos nombres, y filas de la lista de reproducción los reproducen:
    %2

¿Reemplazarlos por los archivos que añadió? Cada fila que reproduce uno de estos nombres reproducirá entonces el archivo nuevo. «Cancelar» no cambia nada.</translation>
    </message>
    <message>
        <source>Replace files</source>
        <translation>Reemplazar archivos</translation>
    </message>
    <message>
        <source>Cannot save as %1: the name is empty before its extension.
Choose a name such as show.mrv.</source>
        <translation>No se puede guardar como %1: el nombre está vacío antes de la extensión.
Elija un nombre como show.mrv.</translation>
    </message>
    <message>
        <source>The package %1 exists already. Replace it with this playlist? Everything it holds is then lost.</source>
        <translation>El paquete %1 ya existe. ¿Reemplazarlo por esta lista de reproducción? Todo lo que contiene se perderá.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Compiling media...</source>
        <translation>Reuniendo los archivos multimedia…</translation>
    </message>
    <message>
        <source>Finishing the save before closing…</source>
        <translation>Terminando el guardado antes de cerrar…</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>The package %1 was changed by another program since you opened it. Reload it (your edits are lost), save over it anyway, or cancel.</source>
        <translation>Otro programa modificó el paquete %1 desde que lo abrió. Recárguelo (se pierden sus cambios), guarde encima de todos modos o cancele.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Save cancelled</source>
        <translation>Guardado cancelado</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>Media (*.png *.jpg *.mp4 *.avi)</source>
        <translation>Multimedia (*.png *.jpg *.mp4 *.avi)</translation>
    </message>
    <message>
        <source>All photos and videos this program takes (%1)</source>
        <translation>Todas las fotos y vídeos que admite este programa (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Drop Files</source>
        <translation>Soltar archivos</translation>
    </message>
    <message>
        <source>These files were not added: they are neither images nor videos this computer can read, or they are gone.
    %1

Check that they open in an image viewer or a video player, then add them again.</source>
        <translation>Estos archivos no se añadieron: no son imágenes ni vídeos que este equipo pueda leer, o ya no están.
    %1

Compruebe que se abren en un visor de imágenes o un reproductor de vídeo y vuelva a añadirlos.</translation>
    </message>
    <message>
        <source>Videos play for their own length. Select an image to set its time.</source>
        <translation>Los vídeos duran lo que dura el vídeo. Seleccione una imagen para ajustar su tiempo.</translation>
    </message>
    <message>
        <source>How long the selected images show: type seconds (90), minutes and seconds (1:30) or hh:mm:ss, then press Enter.</source>
        <translation>Cuánto tiempo se muestran las imágenes seleccionadas: escriba segundos (90), minutos y segundos (1:30) o hh:mm:ss y pulse Intro.</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Elegir uno o varios archivos para abrir</translation>
    </message>
    <message>
        <source>Select a folder of media</source>
        <translation>Elegir una carpeta de archivos multimedia</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Videos play for their own length: Apply changed nothing</source>
        <translation>Los vídeos duran lo que dura el vídeo: «Aplicar» no cambió nada</translation>
    </message>
    <message>
        <source>stored in %1</source>
        <translation>guardado en %1</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>dura %1</translation>
    </message>
    <message>
        <source>May not play: %1</source>
        <translation>Puede que no se reproduzca: %1</translation>
    </message>
    <message>
        <source>1 item · total %1</source>
        <translation>1 elemento · total %1</translation>
    </message>
    <message>
        <source>%1 items · total %2</source>
        <translation>%1 elementos · total %2</translation>
    </message>
    <message>
        <source>+ 1 video of unknown length</source>
        <translation>+ 1 vídeo de duración desconocida</translation>
    </message>
    <message>
        <source>+ %1 videos of unknown length</source>
        <translation>+ %1 vídeos de duración desconocida</translation>
    </message>
    <message>
        <source>(checking media…)</source>
        <translation>(comprobando archivos multimedia…)</translation>
    </message>
    <message>
        <source>%1 — converted from %2</source>
        <translation>%1 – convertido desde %2</translation>
    </message>
    <message>
        <source>Converted from %1</source>
        <translation>Convertido desde %1</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Añada archivos o suéltelos aquí</translation>
    </message>
    <message>
        <source>Nothing to preview: add files to the playlist first</source>
        <translation>Nada que previsualizar: añada primero archivos a la lista de reproducción</translation>
    </message>
    <message>
        <source>&amp;Fit the Loop to…</source>
        <translation>A&amp;justar la duración del bucle…</translation>
    </message>
    <message>
        <source>Screen and &amp;Player…</source>
        <translation>&amp;Pantalla y reproductor…</translation>
    </message>
    <message>
        <source>Fit the Loop</source>
        <translation>Ajustar la duración del bucle</translation>
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
        <translation>¿Cuánto debe durar el bucle completo? Las imágenes se reparten el tiempo que dejan los vídeos; los vídeos mantienen su duración.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>These files are larger or richer than this screen and its player need, or show wrongly there:
    %1

Fit them to the screen? The package then holds smaller copies, quicker to write to the stick; the files themselves are not changed.</source>
        <translation>Estos archivos son más grandes o exigentes de lo que necesitan esta pantalla y su reproductor, o se ven mal en ella:
    %1

¿Adaptarlos a la pantalla? El paquete contendrá entonces copias más pequeñas, que se escriben más rápido en la memoria USB; los archivos en sí no se modifican.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adaptar</translation>
    </message>
    <message>
        <source>Save As They Are</source>
        <translation>Guardar tal cual</translation>
    </message>
    <message>
        <source>Fitting media to the screen…</source>
        <translation>Adaptando los archivos multimedia a la pantalla…</translation>
    </message>
    <message>
        <source>Finishing fitting the media before closing…</source>
        <translation>Terminando la adaptación de los archivos multimedia antes de cerrar…</translation>
    </message>
    <message>
        <source>Fitting cancelled; nothing saved</source>
        <translation>Adaptación cancelada; no se guardó nada</translation>
    </message>
    <message>
        <source>These files could not be fitted, so nothing was saved:

%1</source>
        <translation>Estos archivos no se pudieron adaptar, así que no se guardó nada:

%1</translation>
    </message>
    <message>
        <source>Fit to the Screen</source>
        <translation>Adaptar a la pantalla</translation>
    </message>
    <message>
        <source>fitted 1 file: %1 → %2</source>
        <translation>1 archivo adaptado: %1 → %2</translation>
    </message>
    <message>
        <source>fitted %1 files: %2 → %3</source>
        <translation>%1 archivos adaptados: %2 → %3</translation>
    </message>
    <message>
        <source>The loop now lasts %1</source>
        <translation>El bucle dura ahora %1</translation>
    </message>
    <message>
        <source>Exceeds this screen and player: %1</source>
        <translation>Supera lo que admiten esta pantalla y este reproductor: %1</translation>
    </message>
    <message>
        <source>%1 — fitted from %2</source>
        <translation>%1 – adaptado desde %2</translation>
    </message>
    <message>
        <source>Screen and player: %1</source>
        <translation>Pantalla y reproductor: %1</translation>
    </message>
    <message>
        <source>New &amp;Text Slide…</source>
        <translation>&amp;Nueva diapositiva de texto…</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Diapositiva de texto</translation>
    </message>
    <message>
        <source>Edit Text Slide</source>
        <translation>Editar diapositiva de texto</translation>
    </message>
    <message>
        <source>New Text Slide</source>
        <translation>Nueva diapositiva de texto</translation>
    </message>
    <message>
        <source>Making the slide…</source>
        <translation>Creando la diapositiva…</translation>
    </message>
    <message>
        <source>Finishing the slide before closing…</source>
        <translation>Terminando la diapositiva antes de cerrar…</translation>
    </message>
    <message>
        <source>Opening the slide…</source>
        <translation>Abriendo la diapositiva…</translation>
    </message>
</context>
<context>
    <name>MediaText</name>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>%1 could not be converted: %2.</source>
        <translation>%1 no se pudo convertir: %2.</translation>
    </message>
    <message>
        <source>%1 could not be converted: it is %2×%3 pixels, too large to decode safely. Scale it down to the screen&apos;s size.</source>
        <translation>%1 no se pudo convertir: tiene %2×%3 píxeles, demasiado grande para decodificarlo con seguridad. Redúzcalo al tamaño de la pantalla.</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 to MP4, streams copied</source>
        <translation>%1 a MP4, flujos copiados</translation>
    </message>
    <message>
        <source>%1 to MP4, encoded again as H.264</source>
        <translation>%1 a MP4, codificado de nuevo como H.264</translation>
    </message>
    <message>
        <source>%1 could not be converted: %2 cannot be written (%3).</source>
        <translation>%1 no se pudo convertir: no se puede escribir %2 (%3).</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP4: %2.</source>
        <translation>%1 no se pudo convertir a MP4: %2.</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>no se puede cambiar el nombre de %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the player takes PNG and JPEG images and MP4 and AVI videos.</source>
        <translation>%1 no se puede convertir: el reproductor admite imágenes PNG y JPEG y vídeos MP4 y AVI.</translation>
    </message>
    <message>
        <source>The file %1 does not exist. Add it again from where it is now.</source>
        <translation>El archivo %1 no existe. Vuelva a añadirlo desde donde está ahora.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file. Add the files in it instead.</source>
        <translation>%1 es una carpeta, no un archivo. Añada en su lugar los archivos que contiene.</translation>
    </message>
    <message>
        <source>%1 is not a regular file. Add the media file itself.</source>
        <translation>%1 no es un archivo normal. Añada el propio archivo multimedia.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2. Check its permissions.</source>
        <translation>El archivo %1 no se puede leer: %2. Compruebe sus permisos.</translation>
    </message>
    <message>
        <source>%1 cannot be read: the package does not exist any more. Open it again from where it is now.</source>
        <translation>%1 no se puede leer: el paquete ya no existe. Vuelva a abrirlo desde donde está ahora.</translation>
    </message>
    <message>
        <source>The package %1 lacks the file %2 its playlist names. Add the file again, or remove its row.</source>
        <translation>Al paquete %1 le falta el archivo %2 que nombra su lista de reproducción. Añada de nuevo el archivo o quite su fila.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>%1 is empty. Copy it again from the original.</source>
        <translation>%1 está vacío. Cópielo de nuevo desde el original.</translation>
    </message>
    <message>
        <source>%1 is not an image: its content is not %2 data. Check that it is the right file.</source>
        <translation>%1 no es una imagen: su contenido no son datos %2. Compruebe que es el archivo correcto.</translation>
    </message>
    <message>
        <source>%1 holds a %2 image, not the %3 its name says; the player chooses its decoder by the name. Save it again as %3.</source>
        <translation>%1 contiene una imagen %2, no el %3 que indica su nombre; el reproductor elige su decodificador por el nombre. Vuelva a guardarlo como %3.</translation>
    </message>
    <message>
        <source>%1 is damaged: its header cannot be read (%2). Copy it again from the original.</source>
        <translation>%1 está dañado: no se puede leer su cabecera (%2). Cópielo de nuevo desde el original.</translation>
    </message>
    <message>
        <source>%1 is %2×%3 pixels, too large to decode safely. Scale it down to the screen&apos;s size.</source>
        <translation>%1 tiene %2×%3 píxeles, demasiado grande para decodificarlo con seguridad. Redúzcalo al tamaño de la pantalla.</translation>
    </message>
    <message>
        <source>%1 was not read to its end.</source>
        <translation>%1 no se leyó hasta el final.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2). Copy it again from the original.</source>
        <translation>%1 no se puede decodificar (%2). Cópielo de nuevo desde el original.</translation>
    </message>
    <message>
        <source>%1 in the package %2</source>
        <translation>%1 en el paquete %2</translation>
    </message>
    <message>
        <source>%1 is not of a type the player accepts. Accepted are JPEG (.jpg) and PNG (.png) images, MP4 (.mp4) and AVI (.avi) videos, and .zip archives.</source>
        <translation>%1 no es de un tipo que admita el reproductor. Se admiten imágenes JPEG (.jpg) y PNG (.png), vídeos MP4 (.mp4) y AVI (.avi), y archivos .zip.</translation>
    </message>
    <message>
        <source>%1 is stored compressed in the package, and examining it took longer than %2 seconds. Add the original file again: media are stored uncompressed, which players also read faster.</source>
        <translation>%1 está guardado comprimido en el paquete, y examinarlo tardó más de %2 segundos. Vuelva a añadir el archivo original: los archivos multimedia se guardan sin comprimir, y así los reproductores también los leen más rápido.</translation>
    </message>
    <message>
        <source>%1 could not be read within %2 seconds; the drive may be slow. Try again, or copy the file to a faster drive.</source>
        <translation>%1 no se pudo leer en %2 segundos; puede que la unidad sea lenta. Inténtelo de nuevo o copie el archivo a una unidad más rápida.</translation>
    </message>
    <message>
        <source>%1 has no picture to show.</source>
        <translation>%1 no tiene ninguna imagen que mostrar.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP4: the copy cannot be renamed.</source>
        <translation>%1 no se pudo convertir a MP4: no se puede cambiar el nombre de la copia.</translation>
    </message>
    <message>
        <source>an image with the time 00:00:00 is never shown</source>
        <translation>una imagen con el tiempo 00:00:00 nunca se muestra</translation>
    </message>
    <message>
        <source>1 file may not play:</source>
        <translation>Puede que 1 archivo no se reproduzca:</translation>
    </message>
    <message>
        <source>%1 files may not play:</source>
        <translation>Puede que %1 archivos no se reproduzcan:</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>la decodificación tardó demasiado</translation>
    </message>
    <message>
        <source>no picture in it could be decoded</source>
        <translation>no se pudo decodificar ninguna imagen</translation>
    </message>
    <message>
        <source>its whole length</source>
        <translation>toda su duración</translation>
    </message>
    <message>
        <source>%1 is cut short: plays about %2 of %3. It was not copied to its end; copy it again from the original.</source>
        <translation>%1 está cortado: dura unos %2 de %3. No se copió hasta el final; cópielo de nuevo desde el original.</translation>
    </message>
    <message>
        <source>%1 cannot be read: out of memory.</source>
        <translation>%1 no se puede leer: memoria insuficiente.</translation>
    </message>
    <message>
        <source>%1 is not a video: its content is not MP4 or AVI data. Check that it is the right file.</source>
        <translation>%1 no es un vídeo: su contenido no son datos MP4 ni AVI. Compruebe que es el archivo correcto.</translation>
    </message>
    <message>
        <source>%1 holds %2 data, not the %3 video its name says. Convert it, or give it the right extension.</source>
        <translation>%1 contiene datos %2, no el vídeo %3 que indica su nombre. Conviértalo o dele la extensión correcta.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short: its index cannot be read. Copy it again from the original.</source>
        <translation>%1 está dañado o cortado: no se puede leer su índice. Cópielo de nuevo desde el original.</translation>
    </message>
    <message>
        <source>%1 holds no video picture, only sound or data.</source>
        <translation>%1 no contiene imagen de vídeo, solo sonido o datos.</translation>
    </message>
    <message>
        <source>%1 uses the video codec “%2”, which cannot be decoded here; the player most likely cannot play it either. Convert it to H.264.</source>
        <translation>%1 usa el códec de vídeo «%2», que aquí no se puede decodificar; lo más probable es que el reproductor tampoco pueda reproducirlo. Conviértalo a H.264.</translation>
    </message>
    <message>
        <source>%1 gives an impossible picture size of %2×%3 pixels; it is damaged. Copy it again from the original.</source>
        <translation>%1 indica un tamaño de imagen imposible de %2×%3 píxeles; está dañado. Cópielo de nuevo desde el original.</translation>
    </message>
    <message>
        <source>its picture format cannot be converted</source>
        <translation>su formato de imagen no se puede convertir</translation>
    </message>
    <message>
        <source>%1 cannot be decoded: %2. Copy it again from the original, or convert it to H.264.</source>
        <translation>%1 no se puede decodificar: %2. Cópielo de nuevo desde el original o conviértalo a H.264.</translation>
    </message>
    <message>
        <source>%1 is damaged near its end: its last pictures cannot be decoded (%2). Copy it again from the original.</source>
        <translation>%1 está dañado cerca del final: sus últimas imágenes no se pueden decodificar (%2). Cópielo de nuevo desde el original.</translation>
    </message>
    <message>
        <source>%1×%2 photo: the screen shows %3×%4</source>
        <translation>Foto de %1×%2: la pantalla muestra %3×%4</translation>
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
        <translation>%1 con sonido</translation>
    </message>
    <message>
        <source>%1 turned by a rotation flag</source>
        <translation>%1 girado por una marca de rotación</translation>
    </message>
    <message>
        <source>this player plays up to %1 %2</source>
        <translation>este reproductor reproduce hasta %1 %2</translation>
    </message>
    <message>
        <source>%1 at %2 fps</source>
        <translation>%1 a %2 fps</translation>
    </message>
    <message>
        <source>this player plays no sound</source>
        <translation>este reproductor no reproduce sonido</translation>
    </message>
    <message>
        <source>this player ignores rotation flags</source>
        <translation>este reproductor ignora las marcas de rotación</translation>
    </message>
    <message>
        <source>%1 could not be fitted to the screen: %2.</source>
        <translation>%1 no se pudo adaptar a la pantalla: %2.</translation>
    </message>
    <message>
        <source>its size cannot be read, or is too large to decode safely</source>
        <translation>no se puede leer su tamaño, o es demasiado grande para decodificarlo con seguridad</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>The slide could not be kept: %1 cannot be written (%2). Check that there is space in your home folder.</source>
        <translation>No se pudo conservar la diapositiva: no se puede escribir %1 (%2). Compruebe que hay espacio en su carpeta personal.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be used: %2. Choose a JPEG or PNG photo no larger than 16384 pixels a side.</source>
        <translation>No se puede usar la imagen de fondo %1: %2. Elija una foto JPEG o PNG de no más de 16384 píxeles por lado.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be used: %2.</source>
        <translation>No se puede usar la imagen de fondo %1: %2.</translation>
    </message>
    <message>
        <source>The slide could not be kept: the folder %1 cannot be made. Check that there is space in your home folder.</source>
        <translation>No se pudo conservar la diapositiva: no se puede crear la carpeta %1. Compruebe que hay espacio en su carpeta personal.</translation>
    </message>
    <message>
        <source>The slide %1 could not be drawn.</source>
        <translation>No se pudo dibujar la diapositiva %1.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Previous item (Left)</source>
        <translation>Elemento anterior (Izquierda)</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausa (Espacio)</translation>
    </message>
    <message>
        <source>Next item (Right)</source>
        <translation>Elemento siguiente (Derecha)</translation>
    </message>
    <message>
        <source>Sound on or off; the preview starts without it</source>
        <translation>Sonido activado o desactivado; la vista previa empieza sin sonido</translation>
    </message>
    <message>
        <source>No sound device found: the preview plays without sound</source>
        <translation>No se encontró ningún dispositivo de sonido: la vista previa se reproduce sin sonido</translation>
    </message>
    <message>
        <source>Full screen (F11)</source>
        <translation>Pantalla completa (F11)</translation>
    </message>
    <message>
        <source>Preview — %1 (%2 of %3)</source>
        <translation>Vista previa – %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Nothing to show: every item plays for 00:00:00.</source>
        <translation>Nada que mostrar: cada elemento dura 00:00:00.</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Reproducir (Espacio)</translation>
    </message>
    <message>
        <source>“%1” cannot be shown: %2</source>
        <translation>«%1» no se puede mostrar: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be played: %2</source>
        <translation>«%1» no se puede reproducir: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1 / %2   %3 of %4</source>
        <translation>%1 / %2   %3 de %4</translation>
    </message>
    <message>
        <source>–:––</source>
        <translation>–:––</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
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
        <translation>Televisor Full HD (1920×1080)</translation>
    </message>
    <message>
        <source>Full HD TV mounted upright (1080×1920)</source>
        <translation>Televisor Full HD montado en vertical (1080×1920)</translation>
    </message>
    <message>
        <source>HD signage player, no sound (1280×720)</source>
        <translation>Reproductor de cartelería digital HD, sin sonido (1280×720)</translation>
    </message>
    <message>
        <source>Basic USB player on a Full HD TV, clips up to 720p</source>
        <translation>Reproductor USB básico en un televisor Full HD, clips hasta 720p</translation>
    </message>
    <message>
        <source>4K TV (3840×2160, HEVC)</source>
        <translation>Televisor 4K (3840×2160, HEVC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Plays the clips&apos; sound</source>
        <translation>Reproduce el sonido de los clips</translation>
    </message>
    <message>
        <source>Turns clips by their rotation flag</source>
        <translation>Gira los clips según su marca de rotación</translation>
    </message>
    <message>
        <source>Screen and Player</source>
        <translation>Pantalla y reproductor</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Portrait (mounted upright)</source>
        <translation>Vertical (pantalla montada en vertical)</translation>
    </message>
    <message>
        <source> fps</source>
        <translation> fps</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Preajuste:</translation>
    </message>
    <message>
        <source>Screen &amp;resolution:</source>
        <translation>&amp;Resolución de pantalla:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientación:</translation>
    </message>
    <message>
        <source>Largest &amp;video:</source>
        <translation>Tamaño máximo de &amp;vídeo:</translation>
    </message>
    <message>
        <source>Video codecs:</source>
        <translation>Códecs de vídeo:</translation>
    </message>
    <message>
        <source>Largest &amp;frame rate:</source>
        <translation>Velocidad de &amp;fotogramas máxima:</translation>
    </message>
    <message>
        <source>Media larger or richer than this are marked in the table, and can be fitted to it when you save.</source>
        <translation>Los archivos multimedia más grandes o exigentes que estos valores se marcan en la tabla y se pueden adaptar a ellos al guardar.</translation>
    </message>
</context>
<context>
    <name>SlideDialog</name>
    <message>
        <source>Text Slide</source>
        <translation>Diapositiva de texto</translation>
    </message>
    <message>
        <source>Headline and lines</source>
        <translation>Titular y líneas</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Diseño:</translation>
    </message>
    <message>
        <source>&amp;Headline:</source>
        <translation>&amp;Titular:</translation>
    </message>
    <message>
        <source>L&amp;ines:</source>
        <translation>&amp;Líneas:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>&amp;Price:</source>
        <translation>&amp;Precio:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Colores:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Elegir…</translation>
    </message>
    <message>
        <source>&amp;No Picture</source>
        <translation>Si&amp;n imagen</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Imagen de fondo:</translation>
    </message>
    <message>
        <source>As the screen shows it (%1×%2)</source>
        <translation>Tal como la muestra la pantalla (%1×%2)</translation>
    </message>
    <message>
        <source>Slide Colour</source>
        <translation>Color de la diapositiva</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.bmp);;All files (*)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.webp *.bmp);;Todos los archivos (*)</translation>
    </message>
</context>
</TS>
