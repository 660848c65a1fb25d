<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CliText</name>
    <message>
        <source>In “%1”: %2</source>
        <translation>Dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” names no file.</source>
        <translation>«&#xa0;%1&#xa0;» ne nomme aucun fichier.</translation>
    </message>
    <message>
        <source>Warning: “%1” is not a .png, .jpg, .mp4 or .avi file; the playlist records it as of type 0 (other), which the player may skip.</source>
        <translation>Avertissement&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un fichier .png, .jpg, .mp4 ou .avi&#xa0;; la liste de lecture l&apos;enregistre avec le type 0 (autre), que le lecteur risque de sauter.</translation>
    </message>
    <message>
        <source>“%1” is a video: it plays to its end and takes no time. Give it without “=hh:mm:ss”.</source>
        <translation>«&#xa0;%1&#xa0;» est une vidéo&#xa0;: elle est lue jusqu&apos;au bout et ne prend pas de durée. Indiquez-la sans «&#xa0;=hh:mm:ss&#xa0;».</translation>
    </message>
    <message>
        <source>Saved “%1” (rows: %2).</source>
        <translation>«&#xa0;%1&#xa0;» enregistré (lignes&#xa0;: %2).</translation>
    </message>
    <message>
        <source>Nothing was written to “%1”. Run the command again.</source>
        <translation>Rien n&apos;a été écrit dans «&#xa0;%1&#xa0;». Relancez la commande.</translation>
    </message>
    <message>
        <source>Nothing was written to “%1”: --strict refuses media that may not play.</source>
        <translation>Rien n&apos;a été écrit dans «&#xa0;%1&#xa0;»&#xa0;: --strict refuse les médias qui risquent de ne pas être lus.</translation>
    </message>
    <message>
        <source>Converted “%1” to “%2” (%3).</source>
        <translation>«&#xa0;%1&#xa0;» converti en «&#xa0;%2&#xa0;» (%3).</translation>
    </message>
    <message>
        <source>Write nothing, and exit with status 1, when a medium may not play; without it such media are listed and saved.</source>
        <translation>Ne rien écrire, et quitter avec le code 1, si un média risque de ne pas être lu&#xa0;; sans cette option, ces médias sont listés et enregistrés.</translation>
    </message>
    <message>
        <source>Makes a new package from media files, as the window&apos;s Save does for a new playlist.</source>
        <translation>Crée un nouveau paquet à partir de fichiers médias, comme «&#xa0;Enregistrer&#xa0;» dans la fenêtre pour une nouvelle liste de lecture.</translation>
    </message>
    <message>
        <source>Time each image plays for unless its argument gives one (default %1).</source>
        <translation>Durée d&apos;affichage de chaque image si son argument n&apos;en donne pas (par défaut %1).</translation>
    </message>
    <message>
        <source>Time the document records, such as 2024-03-05T17:08:09 (default: now).</source>
        <translation>Date que le document enregistre, par exemple 2024-03-05T17:08:09 (par défaut&#xa0;: maintenant).</translation>
    </message>
    <message>
        <source>Replace an existing package.</source>
        <translation>Remplacer un paquet existant.</translation>
    </message>
    <message>
        <source>The package to make; &quot;.mrv&quot; takes the place of any other extension.</source>
        <translation>Le paquet à créer&#xa0;; «&#xa0;.mrv&#xa0;» remplace toute autre extension.</translation>
    </message>
    <message>
        <source>Media files in playing order, each with its own time if given. A video plays to its end.</source>
        <translation>Fichiers médias dans l&apos;ordre de lecture, chacun avec sa propre durée si elle est indiquée. Une vidéo est lue jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>give the package to make and at least one media file.</source>
        <translation>indiquez le paquet à créer et au moins un fichier média.</translation>
    </message>
    <message>
        <source>--duration %1</source>
        <translation>--duration %1</translation>
    </message>
    <message>
        <source>“%1” is not a valid --build-time: write it as yyyy-MM-ddThh:mm:ss.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur valide pour --build-time&#xa0;: écrivez-la sous la forme yyyy-MM-ddThh:mm:ss.</translation>
    </message>
    <message>
        <source>Cannot save as “%1”: the name is empty before its extension. Choose a name such as show.mrv.</source>
        <translation>Impossible d&apos;enregistrer sous «&#xa0;%1&#xa0;»&#xa0;: le nom est vide avant son extension. Choisissez un nom comme show.mrv.</translation>
    </message>
    <message>
        <source>“%1” already exists, so nothing was written. Give --force to replace it.</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà, rien n&apos;a donc été écrit. Ajoutez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>Checks a package: its zip structure, its playlist document, every entry&apos;s checksum, and that the playlist and the media entries match.</source>
        <translation>Vérifie un paquet&#xa0;: sa structure zip, son document de liste de lecture, la somme de contrôle de chaque entrée, et la concordance entre la liste de lecture et les entrées médias.</translation>
    </message>
    <message>
        <source>Also read each media entry&apos;s image header or video container, as the player will.</source>
        <translation>Lire aussi l&apos;en-tête d&apos;image ou le conteneur vidéo de chaque entrée média, comme le fera le lecteur.</translation>
    </message>
    <message>
        <source>The package to check.</source>
        <translation>Le paquet à vérifier.</translation>
    </message>
    <message>
        <source>give exactly one package to check.</source>
        <translation>indiquez exactement un paquet à vérifier.</translation>
    </message>
    <message>
        <source>“%1” is sound: %2 playlist row(s), %3 entries, every checksum matches%4.</source>
        <translation>«&#xa0;%1&#xa0;» est intact&#xa0;: %2 ligne(s) de liste de lecture, %3 entrées, chaque somme de contrôle concorde%4.</translation>
    </message>
    <message>
        <source>, every medium can be read</source>
        <translation>, chaque média est lisible</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Run “%1 --help” for its usage.</source>
        <translation>Lancez «&#xa0;%1 --help&#xa0;» pour son utilisation.</translation>
    </message>
    <message>
        <source>Saving “%1”</source>
        <translation>Enregistrement de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: %2 % of %3 MB</source>
        <translation><byte value="xd"/>%1&#xa0;: %2 % sur %3 Mo</translation>
    </message>
    <message>
        <source>Lists the removable drives with a mounted file system: label, maker and model, mount point, size, free space, file system and the packages each holds.</source>
        <translation>Liste les supports amovibles avec un système de fichiers monté&#xa0;: nom, fabricant et modèle, point de montage, taille, espace libre, système de fichiers et les paquets que chacun contient.</translation>
    </message>
    <message>
        <source>Print the list as JSON.</source>
        <translation>Afficher la liste en JSON.</translation>
    </message>
    <message>
        <source>takes no arguments.</source>
        <translation>n&apos;accepte aucun argument.</translation>
    </message>
    <message>
        <source>No removable drive with a mounted file system.</source>
        <translation>Aucun support amovible avec un système de fichiers monté.</translation>
    </message>
    <message>
        <source>%1	%2	%3	%4, %5 free	%6	%7</source>
        <translation>%1	%2	%3	%4, %5 libres	%6	%7</translation>
    </message>
    <message>
        <source>unknown maker</source>
        <translation>fabricant inconnu</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>no packages</source>
        <translation>aucun paquet</translation>
    </message>
    <message>
        <source>Writes a package to drives at once: a copy where a drive has none, an update in place where it holds an older one of that name. Each is read back from the drive after writing.</source>
        <translation>Écrit un paquet sur plusieurs supports à la fois&#xa0;: une copie là où un support n&apos;en a pas, une mise à jour sur place là où il en contient une plus ancienne du même nom. Chacun est relu depuis le support après l&apos;écriture.</translation>
    </message>
    <message>
        <source>Unmount and power off each drive once its package has been read back intact.</source>
        <translation>Démonter et mettre hors tension chaque support dès que son paquet a été relu intact.</translation>
    </message>
    <message>
        <source>Do not read the packages back.</source>
        <translation>Ne pas relire les paquets.</translation>
    </message>
    <message>
        <source>Replace a package of the same name that is newer than this one, or another playlist altogether.</source>
        <translation>Remplacer un paquet du même nom plus récent que celui-ci, ou une tout autre liste de lecture.</translation>
    </message>
    <message>
        <source>The package to write.</source>
        <translation>Le paquet à écrire.</translation>
    </message>
    <message>
        <source>A drive: its mount point, label or device; or a folder.</source>
        <translation>Un support&#xa0;: son point de montage, son nom ou son périphérique&#xa0;; ou un dossier.</translation>
    </message>
    <message>
        <source>give a package and at least one drive.</source>
        <translation>indiquez un paquet et au moins un support.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>“%1” is no drive and no folder.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni un support ni un dossier.</translation>
    </message>
    <message>
        <source>“%1” names %2 drives; give the mount point or device of the one to write to:</source>
        <translation>«&#xa0;%1&#xa0;» désigne %2 supports&#xa0;; indiquez le point de montage ou le périphérique de celui sur lequel écrire&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Give --force to replace it.</source>
        <translation>Ajoutez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>Reads a package back from its drive, not from memory, and checks every entry&apos;s checksum.</source>
        <translation>Relit un paquet depuis son support, et non depuis la mémoire, et vérifie la somme de contrôle de chaque entrée.</translation>
    </message>
    <message>
        <source>The package to read back.</source>
        <translation>Le paquet à relire.</translation>
    </message>
    <message>
        <source>give exactly one package.</source>
        <translation>indiquez exactement un paquet.</translation>
    </message>
    <message>
        <source>“%1” reads back intact from its drive: %2 MB in %3 s.</source>
        <translation>«&#xa0;%1&#xa0;» se relit intact depuis son support&#xa0;: %2 Mo en %3 s.</translation>
    </message>
    <message>
        <source>Prints a package&apos;s playlist: position, type, time and stored name of each row.</source>
        <translation>Affiche la liste de lecture d&apos;un paquet&#xa0;: position, type, durée et nom stocké de chaque ligne.</translation>
    </message>
    <message>
        <source>Print the rows as a JSON array of objects with the keys position, type, time and name, and what a probe of each medium finds: problem (null when it plays) and, for videos, length in seconds (null when unknown).</source>
        <translation>Afficher les lignes sous forme de tableau JSON d&apos;objets avec les clés position, type, time et name, et ce que l&apos;examen de chaque média trouve&#xa0;: problem (null s&apos;il est lu) et, pour les vidéos, length en secondes (null si inconnue).</translation>
    </message>
    <message>
        <source>The package to list.</source>
        <translation>Le paquet à lister.</translation>
    </message>
    <message>
        <source>give exactly one package to list.</source>
        <translation>indiquez exactement un paquet à lister.</translation>
    </message>
    <message>
        <source>“%1” lists “%2”, but holds no such file. Run “mrv check” on it.</source>
        <translation>«&#xa0;%1&#xa0;» liste «&#xa0;%2&#xa0;», mais ne contient pas ce fichier. Lancez «&#xa0;mrv check&#xa0;» dessus.</translation>
    </message>
    <message>
        <source>mrv: unknown command “%1”.
Run “mrv --help” for the commands.</source>
        <translation>mrv&#xa0;: commande inconnue «&#xa0;%1&#xa0;».
Lancez «&#xa0;mrv --help&#xa0;» pour voir les commandes.</translation>
    </message>
    <message>
        <source>Finishes what an interrupted update left of a package: the package is restored as it was before that update, or, when the update had completed, its journal is removed. A journal that does not belong to the package as it is, or that is damaged, is kept. Every other command does this first by itself; this one does only that, then checks the package as “mrv check” does.</source>
        <translation>Achève ce qu&apos;une mise à jour interrompue a laissé d&apos;un paquet&#xa0;: le paquet est rétabli tel qu&apos;il était avant cette mise à jour, ou, si la mise à jour était terminée, son journal est supprimé. Un journal qui n&apos;appartient pas au paquet tel qu&apos;il est, ou qui est endommagé, est conservé. Toutes les autres commandes le font d&apos;abord d&apos;elles-mêmes&#xa0;; celle-ci ne fait que cela, puis vérifie le paquet comme «&#xa0;mrv check&#xa0;».</translation>
    </message>
    <message>
        <source>Remove the package&apos;s journal without applying it: for a package that is as it should be, beside a journal that does not belong to it.</source>
        <translation>Supprimer le journal du paquet sans l&apos;appliquer&#xa0;: pour un paquet tel qu&apos;il doit être, à côté d&apos;un journal qui ne lui appartient pas.</translation>
    </message>
    <message>
        <source>The package to repair.</source>
        <translation>Le paquet à réparer.</translation>
    </message>
    <message>
        <source>give exactly one package to repair.</source>
        <translation>indiquez exactement un paquet à réparer.</translation>
    </message>
    <message>
        <source>“%1” needs no repair: no update of it was interrupted.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas besoin de réparation&#xa0;: aucune de ses mises à jour n&apos;a été interrompue.</translation>
    </message>
    <message>
        <source>Changes a package in one transaction, as the window&apos;s Save does for an open playlist: removals first, then new times, then additions at the end. Either all of it is written or nothing.</source>
        <translation>Modifie un paquet en une seule transaction, comme «&#xa0;Enregistrer&#xa0;» dans la fenêtre pour une liste de lecture ouverte&#xa0;: d&apos;abord les retraits, puis les nouvelles durées, puis les ajouts à la fin. Tout est écrit, ou rien.</translation>
    </message>
    <message>
        <source>Append a media file; an image plays for the time given, or for %1.</source>
        <translation>Ajouter un fichier média à la fin&#xa0;; une image dure le temps indiqué, ou %1.</translation>
    </message>
    <message>
        <source>Remove every row that plays NAME (a stored name such as /clip.mp4; the &quot;/&quot; may be left out).</source>
        <translation>Retirer chaque ligne qui lit NOM (un nom stocké comme /clip.mp4&#xa0;; le «&#xa0;/&#xa0;» peut être omis).</translation>
    </message>
    <message>
        <source>Set the time of every row that plays the image NAME.</source>
        <translation>Régler la durée de chaque ligne qui lit l&apos;image NOM.</translation>
    </message>
    <message>
        <source>The package to change.</source>
        <translation>Le paquet à modifier.</translation>
    </message>
    <message>
        <source>give exactly one package to update.</source>
        <translation>indiquez exactement un paquet à mettre à jour.</translation>
    </message>
    <message>
        <source>give at least one --add, --remove or --duration.</source>
        <translation>indiquez au moins un --add, --remove ou --duration.</translation>
    </message>
    <message>
        <source>“%1” is not a valid --duration: write it as NAME=hh:mm:ss (or 90, 1:30). %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur valide pour --duration&#xa0;: écrivez-la sous la forme NOM=hh:mm:ss (ou 90, 1:30). %2</translation>
    </message>
    <message>
        <source>Cannot update “%1”: “%2” is a video, it plays to its end and takes no time. Nothing was written.</source>
        <translation>Impossible de mettre à jour «&#xa0;%1&#xa0;»&#xa0;: «&#xa0;%2&#xa0;» est une vidéo, elle est lue jusqu&apos;au bout et ne prend pas de durée. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot update “%1”: its playlist has no “%2”. Nothing was written; “mrv list” shows the names it holds.</source>
        <translation>Impossible de mettre à jour «&#xa0;%1&#xa0;»&#xa0;: sa liste de lecture ne contient pas «&#xa0;%2&#xa0;». Rien n&apos;a été écrit&#xa0;; «&#xa0;mrv list&#xa0;» affiche les noms qu&apos;il contient.</translation>
    </message>
    <message>
        <source>Cannot update “%1”: the playlist would be empty. Nothing was written.</source>
        <translation>Impossible de mettre à jour «&#xa0;%1&#xa0;»&#xa0;: la liste de lecture serait vide. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Fitted “%1”: %2.</source>
        <translation>«&#xa0;%1&#xa0;» adapté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Fitted %1 of %2 files to the screen: %3 → %4.</source>
        <translation>%1 fichiers sur %2 adaptés à l&apos;écran&#xa0;: %3 → %4.</translation>
    </message>
    <message>
        <source>Store fitted copies of the media larger or richer than the screen and its player use (photos scaled to the screen, clips re-encoded within the player&apos;s limits); the files themselves are not changed. The profile is the one set in the window&apos;s Screen and Player dialog, or --profile&apos;s.</source>
        <translation>Enregistrer des copies adaptées des médias plus grands ou plus exigeants que ce qu&apos;utilisent l&apos;écran et son lecteur (photos réduites à la taille de l&apos;écran, clips réencodés dans les limites du lecteur)&#xa0;; les fichiers eux-mêmes ne sont pas modifiés. Le profil est celui réglé dans la fenêtre, sous «&#xa0;Écran et lecteur&#xa0;», ou celui de --profile.</translation>
    </message>
    <message>
        <source>The screen and player to fit to, one of: %1.</source>
        <translation>L&apos;écran et le lecteur auxquels adapter les médias, parmi&#xa0;: %1.</translation>
    </message>
    <message>
        <source>“%1” is no --profile; give one of: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur valide pour --profile&#xa0;; indiquez l&apos;une de celles-ci&#xa0;: %2.</translation>
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
        <translation>Utilisation&#xa0;: mrv COMMANDE [options] [arguments]
Crée, liste, vérifie et met à jour des paquets de listes de lecture (.mrv) depuis des scripts.

Commandes&#xa0;:
  build SORTIE.mrv FICHIER[=hh:mm:ss]...  Créer un paquet à partir de fichiers médias&#xa0;; --fit
                                          enregistre des copies adaptées à l&apos;écran et au lecteur
  list PAQUET                       Afficher la liste de lecture d&apos;un paquet
  check PAQUET                      Vérifier la structure, le document et les sommes de contrôle
  update PAQUET                     Ajouter, retirer ou minuter des entrées en une transaction
  repair PAQUET                     Achever ce qu&apos;une mise à jour interrompue a laissé
  drives [--json]                   Lister les supports amovibles et leurs paquets
  write PAQUET SUPPORT... [--eject] Écrire un paquet sur des supports, relire, éjecter
  verify PAQUET                     Relire un paquet depuis son support

Lancez «&#xa0;mrv COMMANDE --help&#xa0;» pour les options d&apos;une commande.
Code de sortie&#xa0;: 0 fait, 1 refusé ou échoué, 2 ligne de commande incorrecte.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Updating the package in place: do not remove the drive until it is done.</source>
        <translation>Mise à jour du paquet sur place&#xa0;: ne retirez pas le support avant la fin.</translation>
    </message>
    <message>
        <source>reading it failed: %1</source>
        <translation>la lecture a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>l&apos;archive est endommagée</translation>
    </message>
    <message>
        <source>%1; the update is complete but could not be finished: it will be finished the next time the package is opened</source>
        <translation>%1&#xa0;; la mise à jour est complète mais n&apos;a pas pu être finalisée&#xa0;: elle le sera à la prochaine ouverture du paquet</translation>
    </message>
    <message>
        <source>%1 is being updated by another program; waiting.</source>
        <translation>%1 est en cours de mise à jour par un autre programme&#xa0;; attente.</translation>
    </message>
    <message>
        <source>It was not applied, and both were kept. If the package is as it should be, run “mrv repair --discard-journal %1”; otherwise copy the package and the journal elsewhere first.</source>
        <translation>Il n&apos;a pas été appliqué, et les deux ont été conservés. Si le paquet est tel qu&apos;il doit être, lancez «&#xa0;mrv repair --discard-journal %1&#xa0;»&#xa0;; sinon, copiez d&apos;abord le paquet et le journal ailleurs.</translation>
    </message>
    <message>
        <source>What an interrupted save left beside %1 was removed: %2.</source>
        <translation>Ce qu&apos;un enregistrement interrompu avait laissé à côté de %1 a été supprimé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 stands where the journal of %2 belongs, but it is not a file. It was left alone; move it away.</source>
        <translation>%1 se trouve là où doit se trouver le journal de %2, mais ce n&apos;est pas un fichier. Il n&apos;a pas été touché&#xa0;; déplacez-le.</translation>
    </message>
    <message>
        <source>its drive cannot lock files, so its update may still be running</source>
        <translation>son support ne peut pas verrouiller de fichiers, sa mise à jour est donc peut-être encore en cours</translation>
    </message>
    <message>
        <source>it is a link, and a journal is applied to the package itself only</source>
        <translation>c&apos;est un lien, et un journal ne s&apos;applique qu&apos;au paquet lui-même</translation>
    </message>
    <message>
        <source>it is on another drive than its folder</source>
        <translation>il est sur un autre support que son dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The journal %1 holds an interrupted update of %2, which cannot be recovered now: %3. The journal was kept.</source>
        <translation>Le journal %1 contient une mise à jour interrompue de %2 qui ne peut pas être récupérée maintenant&#xa0;: %3. Le journal a été conservé.</translation>
    </message>
    <message>
        <source>Cannot recover %1: it was replaced while it was opened.</source>
        <translation>Impossible de récupérer %1&#xa0;: il a été remplacé pendant qu&apos;il était ouvert.</translation>
    </message>
    <message>
        <source>Cannot recover %1: %2. The journal was kept.</source>
        <translation>Impossible de récupérer %1&#xa0;: %2. Le journal a été conservé.</translation>
    </message>
    <message>
        <source>The journal %1 of an interrupted update of %2 is damaged, so the package may be damaged too. The journal was kept: it holds the package&apos;s old bytes. Copy both elsewhere before you change anything; if the package is as it should be, run “mrv repair --discard-journal %3”.</source>
        <translation>Le journal %1 d&apos;une mise à jour interrompue de %2 est endommagé, le paquet l&apos;est donc peut-être aussi. Le journal a été conservé&#xa0;: il contient les anciens octets du paquet. Copiez les deux ailleurs avant de modifier quoi que ce soit&#xa0;; si le paquet est tel qu&apos;il doit être, lancez «&#xa0;mrv repair --discard-journal %3&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot recover %1: %2.</source>
        <translation>Impossible de récupérer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>An unfinished journal of %1 was removed; the package had not been changed.</source>
        <translation>Un journal inachevé de %1 a été supprimé&#xa0;; le paquet n&apos;avait pas été modifié.</translation>
    </message>
    <message>
        <source>The journal %1 of an interrupted update does not belong to %2 as it is now: %3. %4</source>
        <translation>Le journal %1 d&apos;une mise à jour interrompue n&apos;appartient pas à %2 tel qu&apos;il est maintenant&#xa0;: %3. %4</translation>
    </message>
    <message>
        <source>The last update of %1 had been completed before it was interrupted; its journal was removed.</source>
        <translation>La dernière mise à jour de %1 était terminée avant d&apos;être interrompue&#xa0;; son journal a été supprimé.</translation>
    </message>
    <message>
        <source>The last update of %1 was interrupted; the package was restored as it was before that update.</source>
        <translation>La dernière mise à jour de %1 a été interrompue&#xa0;; le paquet a été rétabli tel qu&apos;il était avant cette mise à jour.</translation>
    </message>
    <message>
        <source>Cannot recover %1 from its journal %2: %3. The journal was kept: it will be tried again the next time the package is opened.</source>
        <translation>Impossible de récupérer %1 depuis son journal %2&#xa0;: %3. Le journal a été conservé&#xa0;: une nouvelle tentative aura lieu à la prochaine ouverture du paquet.</translation>
    </message>
    <message>
        <source>Cannot discard the journal of %1: no lock can be taken on the package, so its update may still be running.</source>
        <translation>Impossible d&apos;abandonner le journal de %1&#xa0;: le paquet ne peut pas être verrouillé, sa mise à jour est donc peut-être encore en cours.</translation>
    </message>
    <message>
        <source>Cannot remove the journal %1: %2.</source>
        <translation>Impossible de supprimer le journal %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The journal %1 was removed without being applied; %2 stays as it is.</source>
        <translation>Le journal %1 a été supprimé sans être appliqué&#xa0;; %2 reste tel quel.</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>ce n&apos;est pas une archive zip</translation>
    </message>
    <message>
        <source>the archive is damaged (checksum mismatch)</source>
        <translation>l&apos;archive est endommagée (somme de contrôle incorrecte)</translation>
    </message>
    <message>
        <source>the entry is encrypted</source>
        <translation>l&apos;entrée est chiffrée</translation>
    </message>
    <message>
        <source>the entry uses an unsupported compression method</source>
        <translation>l&apos;entrée utilise une méthode de compression non prise en charge</translation>
    </message>
    <message>
        <source>the name “%1” cannot be stored in a package</source>
        <translation>le nom «&#xa0;%1&#xa0;» ne peut pas être stocké dans un paquet</translation>
    </message>
    <message>
        <source>the package would be %1, but the drive of %2 holds no file over %3</source>
        <translation>le paquet ferait %1, mais le support de %2 n&apos;accepte aucun fichier de plus de %3</translation>
    </message>
    <message>
        <source>the package needs %1, %2 free on %3</source>
        <translation>le paquet a besoin de %1, %2 libres sur %3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the drive is read-only (a read-only file system)</source>
        <translation>le support est en lecture seule (système de fichiers en lecture seule)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>you have no permission to write to the folder %1</source>
        <translation>vous n&apos;avez pas le droit d&apos;écrire dans le dossier %1</translation>
    </message>
    <message>
        <source>cannot lock it: %1</source>
        <translation>impossible de le verrouiller&#xa0;: %1</translation>
    </message>
    <message>
        <source>The drive of %1 cannot lock files, so nothing kept other programs from changing the package while it was saved.</source>
        <translation>Le support de %1 ne peut pas verrouiller de fichiers&#xa0;: rien n&apos;a donc empêché d&apos;autres programmes de modifier le paquet pendant son enregistrement.</translation>
    </message>
    <message>
        <source>The package %1 was changed by another program since it was opened.</source>
        <translation>Le paquet %1 a été modifié par un autre programme depuis son ouverture.</translation>
    </message>
    <message>
        <source>the entry %1 is named twice</source>
        <translation>l&apos;entrée %1 est nommée deux fois</translation>
    </message>
    <message>
        <source>its playlist document is larger than 16 MiB</source>
        <translation>son document de liste de lecture dépasse 16 Mio</translation>
    </message>
    <message>
        <source>cannot read the package %1: %2</source>
        <translation>impossible de lire le paquet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the package %1 holds no entry %2</source>
        <translation>le paquet %1 ne contient aucune entrée %2</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>l&apos;enregistrement a été annulé</translation>
    </message>
    <message>
        <source>The package %1 was saved, but the drive did not confirm it. Eject the drive safely before unplugging it.</source>
        <translation>Le paquet %1 a été enregistré, mais le support ne l&apos;a pas confirmé. Éjectez le support proprement avant de le débrancher.</translation>
    </message>
    <message>
        <source>it holds no playlist document (json.txt)</source>
        <translation>il ne contient aucun document de liste de lecture (json.txt)</translation>
    </message>
    <message>
        <source>; free %1, or Save As to another drive</source>
        <translation>&#xa0;; libérez %1, ou utilisez «&#xa0;Enregistrer sous&#xa0;» vers un autre support</translation>
    </message>
    <message>
        <source>%1, and it could not be restored yet: do not use the drive for anything else, and open the package again to restore it</source>
        <translation>%1, et il n&apos;a pas encore pu être rétabli&#xa0;: n&apos;utilisez le support pour rien d&apos;autre, et rouvrez le paquet pour le rétablir</translation>
    </message>
    <message>
        <source>cannot create a file in the folder %1: %2</source>
        <translation>impossible de créer un fichier dans le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the media file %1 is missing</source>
        <translation>le fichier média %1 est manquant</translation>
    </message>
    <message>
        <source>the media file %1 is not a regular file</source>
        <translation>le fichier média %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot read the media file %1: %2</source>
        <translation>impossible de lire le fichier média %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the media file %1 changed while the package was being saved</source>
        <translation>le fichier média %1 a changé pendant l&apos;enregistrement du paquet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write the journal %1</source>
        <translation>impossible d&apos;écrire le journal %1</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>impossible de lire le paquet</translation>
    </message>
    <message>
        <source>cannot read the journal %1</source>
        <translation>impossible de lire le journal %1</translation>
    </message>
    <message>
        <source>cannot restore the package</source>
        <translation>impossible de rétablir le paquet</translation>
    </message>
    <message>
        <source>cannot remove the journal %1</source>
        <translation>impossible de supprimer le journal %1</translation>
    </message>
    <message>
        <source>it was made for another package</source>
        <translation>il a été créé pour un autre paquet</translation>
    </message>
    <message>
        <source>the package is another file than the one the update began on</source>
        <translation>le paquet est un autre fichier que celui sur lequel la mise à jour a commencé</translation>
    </message>
    <message>
        <source>its length (%1 bytes) is none the update could leave</source>
        <translation>sa longueur (%1 octets) n&apos;est pas une de celles que la mise à jour pouvait laisser</translation>
    </message>
    <message>
        <source>its bytes before offset %1 are not those the update left alone</source>
        <translation>ses octets avant la position %1 ne sont pas ceux que la mise à jour n&apos;a pas touchés</translation>
    </message>
    <message>
        <source>its bytes from offset %1 on are neither those it had before the update nor those the update wrote</source>
        <translation>ses octets à partir de la position %1 ne sont ni ceux d&apos;avant la mise à jour ni ceux qu&apos;elle a écrits</translation>
    </message>
    <message>
        <source>the archive holds too many entries</source>
        <translation>l&apos;archive contient trop d&apos;entrées</translation>
    </message>
    <message>
        <source>the entry “%1” is not a plain file name</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» n&apos;est pas un simple nom de fichier</translation>
    </message>
    <message>
        <source>it holds the entry “%1” twice</source>
        <translation>il contient deux fois l&apos;entrée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the entry “%1” is encrypted</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» est chiffrée</translation>
    </message>
    <message>
        <source>the entry “%1” uses an unsupported compression method</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» utilise une méthode de compression non prise en charge</translation>
    </message>
    <message>
        <source>the entry “%1” has a size field this program does not support</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» a un champ de taille que ce programme ne prend pas en charge</translation>
    </message>
    <message>
        <source>too many files are open at once (%1)</source>
        <translation>trop de fichiers sont ouverts à la fois (%1)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>ses données sont endommagées</translation>
    </message>
    <message>
        <source>it holds no entry %1</source>
        <translation>il ne contient aucune entrée %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the entry %1 is too large (%2 bytes, at most %3 are read)</source>
        <translation>l&apos;entrée %1 est trop grande (%2 octets, %3 au plus sont lus)</translation>
    </message>
    <message>
        <source>the entry %1: %2</source>
        <translation>l&apos;entrée %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>la vérification a été annulée</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%L1 o</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%L1 ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%L1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%L1 Go</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%L1 To</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n° de série %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>The drive service of this computer (UDisks2) cannot be reached (%1), so drives cannot be listed or ejected here. Choose the drive&apos;s folder instead.</source>
        <translation>Le service des supports de cet ordinateur (UDisks2) est injoignable (%1)&#xa0;: les supports ne peuvent donc être ni listés ni éjectés ici. Choisissez plutôt le dossier du support.</translation>
    </message>
    <message>
        <source>a program still has a file open on it; close it and try again</source>
        <translation>un programme a encore un fichier ouvert dessus&#xa0;; fermez-le et réessayez</translation>
    </message>
    <message>
        <source>this user may not do that (%1)</source>
        <translation>cet utilisateur n&apos;a pas le droit de le faire (%1)</translation>
    </message>
    <message>
        <source>there is no system bus</source>
        <translation>il n&apos;y a pas de bus système</translation>
    </message>
    <message>
        <source>“%1” is not a drive the drive service knows; unmount it by hand before removing it.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un support connu du service des supports&#xa0;; démontez-le vous-même avant de le retirer.</translation>
    </message>
    <message>
        <source>“%1” could not be unmounted: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être démonté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: another program is writing it (%2). Close it and try again.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: un autre programme est en train de l&apos;écrire (%2). Fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cancelled: %1 was left as it was.</source>
        <translation>Annulé&#xa0;: %1 est resté tel quel.</translation>
    </message>
    <message>
        <source>Cannot finish %1: %2. Its new version is complete; write to the drive again to finish it.</source>
        <translation>Impossible de finaliser %1&#xa0;: %2. Sa nouvelle version est complète&#xa0;; écrivez de nouveau sur le support pour la finaliser.</translation>
    </message>
    <message>
        <source>%1 Its old version could not be put back yet (%2): do not use the drive for anything else, and write to it again to restore it.</source>
        <translation>%1 Son ancienne version n&apos;a pas encore pu être remise en place (%2)&#xa0;: n&apos;utilisez le support pour rien d&apos;autre, et écrivez de nouveau dessus pour la rétablir.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The drive was left as it was.</source>
        <translation>Le support est resté tel quel.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. The drive was left as it was.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2. Le support est resté tel quel.</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifié</translation>
    </message>
    <message>
        <source>Safe to remove</source>
        <translation>Peut être retiré en toute sécurité</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Finishing: writing the last data to the stick</source>
        <translation>Finalisation&#xa0;: écriture des dernières données sur la clé</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>%1 of %2 drives done.</source>
        <translation>%1 supports sur %2 terminés.</translation>
    </message>
    <message>
        <source>Cancelled: %1, each left as it was.</source>
        <translation>Annulé&#xa0;: %1, chacun resté tel quel.</translation>
    </message>
    <message>
        <source>Skipped: %1, each keeping its own package.</source>
        <translation>Ignoré&#xa0;: %1, chacun gardant son propre paquet.</translation>
    </message>
    <message>
        <source>Failed: %1; each says why and what it holds.</source>
        <translation>Échec&#xa0;: %1&#xa0;; chacun indique pourquoi et ce qu&apos;il contient.</translation>
    </message>
    <message>
        <source>not readable as a playlist</source>
        <translation>illisible comme liste de lecture</translation>
    </message>
    <message>
        <source>saved %1, 1 item</source>
        <translation>enregistré %1, 1 élément</translation>
    </message>
    <message>
        <source>saved %1, %2 items</source>
        <translation>enregistré %1, %2 éléments</translation>
    </message>
    <message>
        <source>“%1” holds a newer %2 (%3); replace it?</source>
        <translation>«&#xa0;%1&#xa0;» contient une version plus récente de %2 (%3)&#xa0;; la remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>“%1” holds another playlist named %2 (%3), not a version of this one; replace it?</source>
        <translation>«&#xa0;%1&#xa0;» contient une autre liste de lecture nommée %2 (%3), pas une version de celle-ci&#xa0;; la remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>“%1” is not mounted at %2 any more, so nothing was written there. Plug it in again, then Refresh.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est plus monté sur %2, rien n&apos;y a donc été écrit. Rebranchez-le, puis cliquez sur «&#xa0;Actualiser&#xa0;».</translation>
    </message>
    <message>
        <source>It was not replaced.</source>
        <translation>Il n&apos;a pas été remplacé.</translation>
    </message>
    <message>
        <source>%1 holds the new package; reading it back was cancelled.</source>
        <translation>%1 contient le nouveau paquet&#xa0;; la relecture a été annulée.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a drive this computer can eject; unmount its drive by hand before removing it.</source>
        <translation>%1 est un dossier, pas un support que cet ordinateur peut éjecter&#xa0;; démontez son support vous-même avant de le retirer.</translation>
    </message>
    <message>
        <source>The drive returned other data for %1 than was written (%2): it may be failing, or smaller than it claims. Do not use it; write the package to another drive.</source>
        <translation>Le support a renvoyé pour %1 d&apos;autres données que celles écrites (%2)&#xa0;: il est peut-être défaillant, ou plus petit qu&apos;il ne le prétend. Ne l&apos;utilisez pas&#xa0;; écrivez le paquet sur un autre support.</translation>
    </message>
    <message>
        <source>The check of %1 was cancelled.</source>
        <translation>La vérification de %1 a été annulée.</translation>
    </message>
    <message>
        <source>Cannot read %1 back from its drive: %2.</source>
        <translation>Impossible de relire %1 depuis son support&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its playlist document is missing</source>
        <translation>son document de liste de lecture est manquant</translation>
    </message>
    <message>
        <source>its playlist document differs from the one built</source>
        <translation>son document de liste de lecture diffère de celui créé</translation>
    </message>
    <message>
        <source>the link points to nothing</source>
        <translation>le lien ne pointe vers rien</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>its name holds a control character, which a package cannot store</source>
        <translation>son nom contient un caractère de contrôle, qu&apos;un paquet ne peut pas stocker</translation>
    </message>
    <message>
        <source>A package holds one file per name, and these files share a name (letter case does not count on USB sticks):</source>
        <translation>Un paquet contient un fichier par nom, et ces fichiers partagent un nom (la casse ne compte pas sur les clés USB)&#xa0;:</translation>
    </message>
    <message>
        <source>Rename one file of each pair and add it again.</source>
        <translation>Renommez un fichier de chaque paire et ajoutez-le de nouveau.</translation>
    </message>
    <message>
        <source>The name %1 belongs to the playlist document:</source>
        <translation>Le nom %1 appartient au document de liste de lecture&#xa0;:</translation>
    </message>
    <message>
        <source>Rename these files and add them again.</source>
        <translation>Renommez ces fichiers et ajoutez-les de nouveau.</translation>
    </message>
    <message>
        <source>This program has too many files open at once (%1), so %2 media files could not be checked. Close other programs or raise the limit of open files (ulimit -n), then save again.</source>
        <translation>Ce programme a trop de fichiers ouverts à la fois (%1), %2 fichiers médias n&apos;ont donc pas pu être vérifiés. Fermez d&apos;autres programmes ou relevez la limite de fichiers ouverts (ulimit -n), puis enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>These media files cannot be saved:</source>
        <translation>Ces fichiers médias ne peuvent pas être enregistrés&#xa0;:</translation>
    </message>
    <message>
        <source>Put them back or rename them, or delete their rows.</source>
        <translation>Remettez-les en place ou renommez-les, ou supprimez leurs lignes.</translation>
    </message>
    <message>
        <source>The playlist was not saved; nothing was written.</source>
        <translation>La liste de lecture n&apos;a pas été enregistrée&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>“%1”: the playlist plays “%2”, but the package holds no such file. Add the file again, or remove it from the playlist.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: la liste de lecture lit «&#xa0;%2&#xa0;», mais le paquet ne contient pas ce fichier. Ajoutez de nouveau le fichier, ou retirez-le de la liste de lecture.</translation>
    </message>
    <message>
        <source>“%1”: the entry “%2” is played by no playlist row.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: l&apos;entrée «&#xa0;%2&#xa0;» n&apos;est lue par aucune ligne de la liste de lecture.</translation>
    </message>
    <message>
        <source>Cannot read %1: it holds no playlist document (json.txt).</source>
        <translation>Impossible de lire %1&#xa0;: il ne contient aucun document de liste de lecture (json.txt).</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is larger than 16 MiB.</source>
        <translation>Impossible de lire %1&#xa0;: son document de liste de lecture dépasse 16 Mio.</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is not valid JSON (%2).</source>
        <translation>Impossible de lire %1&#xa0;: son document de liste de lecture n&apos;est pas du JSON valide (%2).</translation>
    </message>
    <message>
        <source>Cannot read %1: its playlist document is not a JSON object.</source>
        <translation>Impossible de lire %1&#xa0;: son document de liste de lecture n&apos;est pas un objet JSON.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 est resté tel quel.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>A package holds at most %1 rows, and this playlist has %2. Split it into two packages.</source>
        <translation>Un paquet contient au plus %1 lignes, et cette liste de lecture en a %2. Répartissez-la sur deux paquets.</translation>
    </message>
    <message>
        <source>The package %1 cannot be read: %2. Check the drive (reconnect it if it was pulled out), then save again; or save the playlist under a new name on another drive.</source>
        <translation>Le paquet %1 ne peut pas être lu&#xa0;: %2. Vérifiez le support (rebranchez-le s&apos;il a été retiré), puis enregistrez de nouveau&#xa0;; ou enregistrez la liste de lecture sous un nouveau nom sur un autre support.</translation>
    </message>
    <message>
        <source>The package %1 is no longer there, so it cannot be updated. Reconnect its drive or put it back, then save again; or save the playlist under a new name.</source>
        <translation>Le paquet %1 n&apos;est plus là, il ne peut donc pas être mis à jour. Rebranchez son support ou remettez-le en place, puis enregistrez de nouveau&#xa0;; ou enregistrez la liste de lecture sous un nouveau nom.</translation>
    </message>
    <message>
        <source>The files added would replace files that rows still play: %1.</source>
        <translation>Les fichiers ajoutés remplaceraient des fichiers que des lignes lisent encore&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The playlist is too large to open again: a package holds at most %1 rows with names of ordinary length. Split it into two packages.</source>
        <translation>La liste de lecture est trop grande pour être rouverte&#xa0;: un paquet contient au plus %1 lignes avec des noms de longueur ordinaire. Répartissez-la sur deux paquets.</translation>
    </message>
    <message>
        <source>The playlist was not saved: its document and its files would disagree.</source>
        <translation>La liste de lecture n&apos;a pas été enregistrée&#xa0;: son document et ses fichiers ne concorderaient pas.</translation>
    </message>
    <message>
        <source>The save was cancelled.</source>
        <translation>L&apos;enregistrement a été annulé.</translation>
    </message>
    <message>
        <source>The playlist was saved, but it cannot be read back: %1</source>
        <translation>La liste de lecture a été enregistrée, mais elle ne peut pas être relue&#xa0;: %1</translation>
    </message>
    <message>
        <source>The package %1 was written, but its document and its files disagree; the player will not play all of it. Save it again.</source>
        <translation>Le paquet %1 a été écrit, mais son document et ses fichiers ne concordent pas&#xa0;; le lecteur ne le lira pas en entier. Enregistrez-le de nouveau.</translation>
    </message>
    <message>
        <source>not a kept playlist</source>
        <translation>pas une liste de lecture conservée</translation>
    </message>
    <message>
        <source>a row has no time or no file</source>
        <translation>une ligne n&apos;a pas de durée ou pas de fichier</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossible d&apos;écrire %1 (%2)</translation>
    </message>
    <message>
        <source>No time given: type whole seconds (90), minutes and seconds (1:30) or hh:mm:ss (00:01:30).</source>
        <translation>Aucune durée indiquée&#xa0;: tapez des secondes entières (90), des minutes et secondes (1:30) ou hh:mm:ss (00:01:30).</translation>
    </message>
    <message>
        <source>“%1” is no time: type whole seconds (90), minutes and seconds (1:30) or hh:mm:ss (00:01:30).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une durée&#xa0;: tapez des secondes entières (90), des minutes et secondes (1:30) ou hh:mm:ss (00:01:30).</translation>
    </message>
    <message>
        <source>“%1” is no time: seconds after a colon go from 00 to 59.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une durée&#xa0;: les secondes après deux-points vont de 00 à 59.</translation>
    </message>
    <message>
        <source>“%1” is no time: minutes between colons go from 00 to 59.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une durée&#xa0;: les minutes entre deux-points vont de 00 à 59.</translation>
    </message>
    <message>
        <source>“%1” is too long: a time goes up to 23:59:59.</source>
        <translation>«&#xa0;%1&#xa0;» est trop long&#xa0;: une durée va jusqu&apos;à 23:59:59.</translation>
    </message>
    <message>
        <source>the disk kept other bytes than were written (is it full?)</source>
        <translation>le disque a gardé d&apos;autres octets que ceux écrits (est-il plein&#xa0;?)</translation>
    </message>
    <message>
        <source>The folders to start in next time could not be remembered: %1 cannot be written (%2).</source>
        <translation>Les dossiers de départ pour la prochaine fois n&apos;ont pas pu être mémorisés&#xa0;: %1 ne peut pas être écrit (%2).</translation>
    </message>
    <message>
        <source>The length of the video “%1” is not known yet: wait until the table has checked it, then try again.</source>
        <translation>La durée de la vidéo «&#xa0;%1&#xa0;» n&apos;est pas encore connue&#xa0;: attendez que le tableau l&apos;ait vérifiée, puis réessayez.</translation>
    </message>
    <message>
        <source>The playlist has no images: only the times of images can change, videos play for their own length. Add an image first.</source>
        <translation>La liste de lecture ne contient aucune image&#xa0;: seules les durées des images peuvent changer, les vidéos sont lues sur toute leur longueur. Ajoutez d&apos;abord une image.</translation>
    </message>
    <message>
        <source>The videos alone play %1, which leaves less than a second for each of the %2 images. Choose a loop of at least %3, or remove a video.</source>
        <translation>Les vidéos seules durent %1, ce qui laisse moins d&apos;une seconde à chacune des %2 images. Choisissez une boucle d&apos;au moins %3, ou retirez une vidéo.</translation>
    </message>
    <message>
        <source>Each image would show for a day or longer: choose a shorter loop.</source>
        <translation>Chaque image s&apos;afficherait un jour ou plus&#xa0;: choisissez une boucle plus courte.</translation>
    </message>
</context>
<context>
    <name>DrivesDialog</name>
    <message>
        <source>Write to Drives</source>
        <translation>Écrire sur les supports</translation>
    </message>
    <message>
        <source>Write “%1” to the drives ticked below. A drive that holds an older version gets only what changed.</source>
        <translation>Écrire %1 sur les supports cochés ci-dessous. Un support qui contient une version plus ancienne ne reçoit que ce qui a changé.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Maker and model</source>
        <translation>Fabricant et modèle</translation>
    </message>
    <message>
        <source>Mounted at</source>
        <translation>Monté sur</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Paquets</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Read back from each drive</source>
        <translation>Relire chaque support</translation>
    </message>
    <message>
        <source>Eject when done</source>
        <translation>Éjecter une fois terminé</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Looking for drives…</source>
        <translation>Recherche des supports…</translation>
    </message>
    <message>
        <source>Choose a drive&apos;s folder</source>
        <translation>Choisir le dossier d&apos;un support</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>No removable drive is plugged in. Plug one in, or choose a folder.</source>
        <translation>Aucun support amovible n&apos;est branché. Branchez-en un, ou choisissez un dossier.</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s) found.</source>
        <translation>
            <numerusform>%n support trouvé.</numerusform>
            <numerusform>%n supports trouvés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only drives listed by this computer&apos;s drive service can be ejected here; a folder cannot.</source>
        <translation>Seuls les supports connus du service des supports de cet ordinateur peuvent être éjectés ici&#xa0;; un dossier ne le peut pas.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Annulé&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Reading what the drives hold…</source>
        <translation>Lecture du contenu des supports…</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1&#xa0;: %2 sur %3</translation>
    </message>
    <message>
        <source>, %1/s, %2 s left</source>
        <translation>, %1/s, encore %2 s</translation>
    </message>
    <message>
        <source>%1 of %2 drives done.</source>
        <translation>%1 supports sur %2 terminés.</translation>
    </message>
    <message>
        <source>%1 written in %2 s</source>
        <translation>%1 écrit en %2 s</translation>
    </message>
    <message>
        <source>held this package already</source>
        <translation>contenait déjà ce paquet</translation>
    </message>
    <message>
        <source>; read back in %1 s</source>
        <translation>&#xa0;; relu en %1 s</translation>
    </message>
    <message>
        <source>Cancelling: a drive being written keeps the package it had…</source>
        <translation>Annulation&#xa0;: un support en cours d&apos;écriture garde le paquet qu&apos;il avait…</translation>
    </message>
</context>
<context>
    <name>JobProgressDialog</name>
    <message>
        <source>%1 s left</source>
        <translation>encore %1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <translation>encore %1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min left</source>
        <translation>encore %1 h %2 min</translation>
    </message>
    <message>
        <source>Compiling media...</source>
        <translation>Assemblage des médias…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 Mo sur %2</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 Mo/s</translation>
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
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Go online with Merovi</source>
        <translation>Merovi en ligne</translation>
    </message>
    <message>
        <source>https://www.example.com/wordpress</source>
        <translation>https://www.example.com/wordpress</translation>
    </message>
    <message numerus="yes">
        <source>a new playlist of %n rows</source>
        <translation>
            <numerusform>une nouvelle liste de lecture de %n ligne</numerusform>
            <numerusform>une nouvelle liste de lecture de %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the package %1</source>
        <translation>
            <numerusform>%n ligne du paquet %1</numerusform>
            <numerusform>%n lignes du paquet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved playlist</source>
        <translation>Liste de lecture non enregistrée</translation>
    </message>
    <message>
        <source>The program ended without saving %1 (last edited %2). Bring it back?

Later keeps it for the next start.</source>
        <translation>Le programme s&apos;est fermé sans enregistrer %1 (dernière modification %2). La récupérer&#xa0;?

«&#xa0;Plus tard&#xa0;» la garde pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Bring Back</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n rows</source>
        <translation>
            <numerusform>%n ligne récupérée</numerusform>
            <numerusform>%n lignes récupérées</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to Drives…</source>
        <translation>Écrire sur les supports…</translation>
    </message>
    <message>
        <source>Write to Drives</source>
        <translation>Écrire sur les supports</translation>
    </message>
    <message>
        <source>Save the playlist first: the drives get the package as it was saved.</source>
        <translation>Enregistrez d&apos;abord la liste de lecture&#xa0;: les supports reçoivent le paquet tel qu&apos;il a été enregistré.</translation>
    </message>
    <message>
        <source>Time(sec)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>The last update of %1 was interrupted. Finish it now? The package is then restored as it was before that update, or completed if the update had come to its end; a journal that does not belong to it is kept.</source>
        <translation>La dernière mise à jour de %1 a été interrompue. La terminer maintenant&#xa0;? Le paquet est alors rétabli tel qu&apos;il était avant cette mise à jour, ou complété si la mise à jour était arrivée à son terme&#xa0;; un journal qui ne lui appartient pas est conservé.</translation>
    </message>
    <message>
        <source>Interrupted save</source>
        <translation>Enregistrement interrompu</translation>
    </message>
    <message>
        <source>Save the changes before closing?</source>
        <translation>Enregistrer les modifications avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>The new playlist</source>
        <translation>La nouvelle liste de lecture</translation>
    </message>
    <message>
        <source>The playlist of %1</source>
        <translation>La liste de lecture de %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>New playlist</source>
        <translation>Nouvelle liste de lecture</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Playlist</source>
        <translation>&amp;Nouvelle liste de lecture</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>No recent packages</source>
        <translation>Aucun paquet récent</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>Save them before opening another package?</source>
        <translation>Les enregistrer avant d&apos;ouvrir un autre paquet&#xa0;?</translation>
    </message>
    <message>
        <source>Save them before starting a new playlist?</source>
        <translation>Les enregistrer avant de commencer une nouvelle liste de lecture&#xa0;?</translation>
    </message>
    <message>
        <source>Saved %1 at %2</source>
        <translation>%1 enregistré à %2</translation>
    </message>
    <message>
        <source>Saved %1 (%2) at %3</source>
        <translation>%1 (%2) enregistré à %3</translation>
    </message>
    <message>
        <source>%1 — verified, safe to remove</source>
        <translation>%1 – vérifié, peut être retiré en toute sécurité</translation>
    </message>
    <message>
        <source>Opened %1: 1 item</source>
        <translation>%1 ouvert&#xa0;: 1 élément</translation>
    </message>
    <message>
        <source>Opened %1: %2 items</source>
        <translation>%1 ouvert&#xa0;: %2 éléments</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Merovi USB Playlist builder %1&lt;/h3&gt;&lt;p&gt;Builds playlist packages for media players that play from a USB stick.&lt;/p&gt;&lt;p&gt;Qt %2 (built with %3)&lt;br&gt;libzip %4&lt;br&gt;FFmpeg %5&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Merovi USB Playlist builder %1&lt;/h3&gt;&lt;p&gt;Crée des paquets de listes de lecture pour les lecteurs multimédias qui lisent depuis une clé USB.&lt;/p&gt;&lt;p&gt;Qt %2 (compilé avec %3)&lt;br&gt;libzip %4&lt;br&gt;FFmpeg %5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read back from the drive in %1 s</source>
        <translation>Relu depuis le support en %L1&#xa0;s</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Looking at the files...</source>
        <translation>Examen des fichiers…</translation>
    </message>
    <message>
        <source>Finishing looking at the files before closing…</source>
        <translation>Fin de l&apos;examen des fichiers avant la fermeture…</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>The player takes PNG and JPEG images and MP4 and AVI videos. These files will be converted, and the playlist will play the converted copies:
    %1

The files themselves are not changed.</source>
        <translation>Le lecteur accepte les images PNG et JPEG et les vidéos MP4 et AVI. Ces fichiers seront convertis, et la liste de lecture lira les copies converties&#xa0;:
    %1

Les fichiers eux-mêmes ne sont pas modifiés.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Nothing converted</source>
        <translation>Rien n&apos;a été converti</translation>
    </message>
    <message>
        <source>Converting media...</source>
        <translation>Conversion des médias…</translation>
    </message>
    <message>
        <source>Finishing the conversion before closing…</source>
        <translation>Fin de la conversion avant la fermeture…</translation>
    </message>
    <message>
        <source>Conversion cancelled</source>
        <translation>Conversion annulée</translation>
    </message>
    <message>
        <source>Converted 1 file</source>
        <translation>1 fichier converti</translation>
    </message>
    <message>
        <source>Converted %1 files</source>
        <translation>%1 fichiers convertis</translation>
    </message>
    <message>
        <source>These files were not added:

%1</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés&#xa0;:

%1</translation>
    </message>
    <message>
        <source>%1 was not converted: cancelled.</source>
        <translation>%1 n&apos;a pas été converti&#xa0;: annulé.</translation>
    </message>
    <message>
        <source>Select file to save</source>
        <translation>Choisir le fichier à enregistrer</translation>
    </message>
    <message>
        <source>Merovi file (*.mrv)</source>
        <translation>Fichier Merovi (*.mrv)</translation>
    </message>
    <message>
        <source>Reading the package...</source>
        <translation>Lecture du paquet…</translation>
    </message>
    <message>
        <source>Finishing reading the package before closing…</source>
        <translation>Fin de la lecture du paquet avant la fermeture…</translation>
    </message>
    <message>
        <source>The playlist on screen was kept. Choose a playlist package saved by this program.</source>
        <translation>La liste de lecture à l&apos;écran a été conservée. Choisissez un paquet enregistré par ce programme.</translation>
    </message>
    <message>
        <source>The package %1 lacks media files its playlist names; the player will skip or stop at them:
    %2

Add these files again, or delete their rows.</source>
        <translation>Il manque au paquet %1 des fichiers médias que sa liste de lecture nomme&#xa0;; le lecteur les sautera ou s&apos;y arrêtera&#xa0;:
    %2

Ajoutez de nouveau ces fichiers, ou supprimez leurs lignes.</translation>
    </message>
    <message>
        <source>Nothing to save: add files to the playlist first</source>
        <translation>Rien à enregistrer&#xa0;: ajoutez d&apos;abord des fichiers à la liste de lecture</translation>
    </message>
    <message>
        <source>No changes to save</source>
        <translation>Aucune modification à enregistrer</translation>
    </message>
    <message>
        <source>Save an empty playlist? The player will then show nothing.</source>
        <translation>Enregistrer une liste de lecture vide&#xa0;? Le lecteur n&apos;affichera alors rien.</translation>
    </message>
    <message>
        <source>The package %1 already holds files of these names, and rows of the playlist play them:
    %2

Replace them with the files you added? Every row that plays one of these names will then play the new file. Cancel changes nothing.</source>
        <translation>Le paquet %1 contient déjà des fichiers de ces noms, et des lignes de la liste de lecture les lisent&#xa0;:
    %2

Les remplacer par les fichiers ajoutés&#xa0;? Chaque ligne qui lit l&apos;un de ces noms lira alors le nouveau fichier. «&#xa0;Annuler&#xa0;» ne change rien.</translation>
    </message>
    <message>
        <source>Replace files</source>
        <translation>Remplacer les fichiers</translation>
    </message>
    <message>
        <source>Cannot save as %1: the name is empty before its extension.
Choose a name such as show.mrv.</source>
        <translation>Impossible d&apos;enregistrer sous %1&#xa0;: le nom est vide avant son extension.
Choisissez un nom comme show.mrv.</translation>
    </message>
    <message>
        <source>The package %1 exists already. Replace it with this playlist? Everything it holds is then lost.</source>
        <translation>Le paquet %1 existe déjà. Le remplacer par cette liste de lecture&#xa0;? Tout ce qu&apos;il contient sera alors perdu.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Compiling media...</source>
        <translation>Assemblage des médias…</translation>
    </message>
    <message>
        <source>Finishing the save before closing…</source>
        <translation>Fin de l&apos;enregistrement avant la fermeture…</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>The package %1 was changed by another program since you opened it. Reload it (your edits are lost), save over it anyway, or cancel.</source>
        <translation>Le paquet %1 a été modifié par un autre programme depuis que vous l&apos;avez ouvert. Le recharger (vos modifications sont perdues), enregistrer par-dessus quand même, ou annuler.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Save cancelled</source>
        <translation>Enregistrement annulé</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Media (*.png *.jpg *.mp4 *.avi)</source>
        <translation>Médias (*.png *.jpg *.mp4 *.avi)</translation>
    </message>
    <message>
        <source>All photos and videos this program takes (%1)</source>
        <translation>Toutes les photos et vidéos que ce programme accepte (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Drop Files</source>
        <translation>Déposer des fichiers</translation>
    </message>
    <message>
        <source>These files were not added: they are neither images nor videos this computer can read, or they are gone.
    %1

Check that they open in an image viewer or a video player, then add them again.</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés&#xa0;: ce ne sont ni des images ni des vidéos que cet ordinateur sait lire, ou ils ont disparu.
    %1

Vérifiez qu&apos;ils s&apos;ouvrent dans une visionneuse d&apos;images ou un lecteur vidéo, puis ajoutez-les de nouveau.</translation>
    </message>
    <message>
        <source>Videos play for their own length. Select an image to set its time.</source>
        <translation>Les vidéos sont lues sur toute leur longueur. Sélectionnez une image pour régler sa durée.</translation>
    </message>
    <message>
        <source>How long the selected images show: type seconds (90), minutes and seconds (1:30) or hh:mm:ss, then press Enter.</source>
        <translation>Durée d&apos;affichage des images sélectionnées&#xa0;: tapez des secondes (90), des minutes et secondes (1:30) ou hh:mm:ss, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Choisir un ou plusieurs fichiers à ouvrir</translation>
    </message>
    <message>
        <source>Select a folder of media</source>
        <translation>Choisir un dossier de médias</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Videos play for their own length: Apply changed nothing</source>
        <translation>Les vidéos sont lues sur toute leur longueur&#xa0;: «&#xa0;Appliquer&#xa0;» n&apos;a rien changé</translation>
    </message>
    <message>
        <source>stored in %1</source>
        <translation>stocké dans %1</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>dure %1</translation>
    </message>
    <message>
        <source>May not play: %1</source>
        <translation>Risque de ne pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 item · total %1</source>
        <translation>1 élément · total %1</translation>
    </message>
    <message>
        <source>%1 items · total %2</source>
        <translation>%1 éléments · total %2</translation>
    </message>
    <message>
        <source>+ 1 video of unknown length</source>
        <translation>+ 1 vidéo de durée inconnue</translation>
    </message>
    <message>
        <source>+ %1 videos of unknown length</source>
        <translation>+ %1 vidéos de durée inconnue</translation>
    </message>
    <message>
        <source>(checking media…)</source>
        <translation>(vérification des médias…)</translation>
    </message>
    <message>
        <source>%1 — converted from %2</source>
        <translation>%1 – converti depuis %2</translation>
    </message>
    <message>
        <source>Converted from %1</source>
        <translation>Converti depuis %1</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Ajoutez des fichiers ou déposez-les ici</translation>
    </message>
    <message>
        <source>Nothing to preview: add files to the playlist first</source>
        <translation>Rien à prévisualiser&#xa0;: ajoutez d&apos;abord des fichiers à la liste de lecture</translation>
    </message>
    <message>
        <source>&amp;Fit the Loop to…</source>
        <translation>Ajuster la durée de la &amp;boucle…</translation>
    </message>
    <message>
        <source>Screen and &amp;Player…</source>
        <translation>Écran et &amp;lecteur…</translation>
    </message>
    <message>
        <source>Fit the Loop</source>
        <translation>Ajuster la durée de la boucle</translation>
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
        <translation>Combien de temps doit durer toute la boucle&#xa0;? Les images se partagent le temps que laissent les vidéos&#xa0;; les vidéos gardent leur durée.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>These files are larger or richer than this screen and its player need, or show wrongly there:
    %1

Fit them to the screen? The package then holds smaller copies, quicker to write to the stick; the files themselves are not changed.</source>
        <translation>Ces fichiers sont plus grands ou plus exigeants que ce dont cet écran et son lecteur ont besoin, ou s&apos;y affichent mal&#xa0;:
    %1

Les adapter à l&apos;écran&#xa0;? Le paquet contient alors des copies plus petites, plus rapides à écrire sur la clé USB&#xa0;; les fichiers eux-mêmes ne sont pas modifiés.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>Save As They Are</source>
        <translation>Enregistrer tels quels</translation>
    </message>
    <message>
        <source>Fitting media to the screen…</source>
        <translation>Adaptation des médias à l&apos;écran…</translation>
    </message>
    <message>
        <source>Finishing fitting the media before closing…</source>
        <translation>Fin de l&apos;adaptation des médias avant la fermeture…</translation>
    </message>
    <message>
        <source>Fitting cancelled; nothing saved</source>
        <translation>Adaptation annulée&#xa0;; rien n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>These files could not be fitted, so nothing was saved:

%1</source>
        <translation>Ces fichiers n&apos;ont pas pu être adaptés, rien n&apos;a donc été enregistré&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Fit to the Screen</source>
        <translation>Adapter à l&apos;écran</translation>
    </message>
    <message>
        <source>fitted 1 file: %1 → %2</source>
        <translation>1 fichier adapté&#xa0;: %1 → %2</translation>
    </message>
    <message>
        <source>fitted %1 files: %2 → %3</source>
        <translation>%1 fichiers adaptés&#xa0;: %2 → %3</translation>
    </message>
    <message>
        <source>The loop now lasts %1</source>
        <translation>La boucle dure maintenant %1</translation>
    </message>
    <message>
        <source>Exceeds this screen and player: %1</source>
        <translation>Dépasse les capacités de cet écran et de ce lecteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 — fitted from %2</source>
        <translation>%1 – adapté depuis %2</translation>
    </message>
    <message>
        <source>Screen and player: %1</source>
        <translation>Écran et lecteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>New &amp;Text Slide…</source>
        <translation>&amp;Nouvelle diapositive de texte…</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Diapositive de texte</translation>
    </message>
    <message>
        <source>Edit Text Slide</source>
        <translation>Modifier la diapositive de texte</translation>
    </message>
    <message>
        <source>New Text Slide</source>
        <translation>Nouvelle diapositive de texte</translation>
    </message>
    <message>
        <source>Making the slide…</source>
        <translation>Création de la diapositive…</translation>
    </message>
    <message>
        <source>Finishing the slide before closing…</source>
        <translation>Fin de la création de la diapositive avant la fermeture…</translation>
    </message>
    <message>
        <source>Opening the slide…</source>
        <translation>Ouverture de la diapositive…</translation>
    </message>
</context>
<context>
    <name>MediaText</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>%1 could not be converted: %2.</source>
        <translation>%1 n&apos;a pas pu être converti&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 could not be converted: it is %2×%3 pixels, too large to decode safely. Scale it down to the screen&apos;s size.</source>
        <translation>%1 n&apos;a pas pu être converti&#xa0;: il fait %2×%3 pixels, trop grand pour être décodé sans risque. Réduisez-le à la taille de l&apos;écran.</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>il ne contient aucune image</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 to MP4, streams copied</source>
        <translation>%1 en MP4, flux copiés</translation>
    </message>
    <message>
        <source>%1 to MP4, encoded again as H.264</source>
        <translation>%1 en MP4, réencodé en H.264</translation>
    </message>
    <message>
        <source>%1 could not be converted: %2 cannot be written (%3).</source>
        <translation>%1 n&apos;a pas pu être converti&#xa0;: %2 ne peut pas être écrit (%3).</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP4: %2.</source>
        <translation>%1 n&apos;a pas pu être converti en MP4&#xa0;: %2.</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossible d&apos;écrire %1 (%2)</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>impossible de renommer %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the player takes PNG and JPEG images and MP4 and AVI videos.</source>
        <translation>%1 ne peut pas être converti&#xa0;: le lecteur accepte les images PNG et JPEG et les vidéos MP4 et AVI.</translation>
    </message>
    <message>
        <source>The file %1 does not exist. Add it again from where it is now.</source>
        <translation>Le fichier %1 n&apos;existe pas. Ajoutez-le de nouveau depuis son emplacement actuel.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file. Add the files in it instead.</source>
        <translation>%1 est un dossier, pas un fichier. Ajoutez plutôt les fichiers qu&apos;il contient.</translation>
    </message>
    <message>
        <source>%1 is not a regular file. Add the media file itself.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire. Ajoutez le fichier média lui-même.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2. Check its permissions.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2. Vérifiez ses droits d&apos;accès.</translation>
    </message>
    <message>
        <source>%1 cannot be read: the package does not exist any more. Open it again from where it is now.</source>
        <translation>%1 ne peut pas être lu&#xa0;: le paquet n&apos;existe plus. Rouvrez-le depuis son emplacement actuel.</translation>
    </message>
    <message>
        <source>The package %1 lacks the file %2 its playlist names. Add the file again, or remove its row.</source>
        <translation>Il manque au paquet %1 le fichier %2 que sa liste de lecture nomme. Ajoutez de nouveau le fichier, ou retirez sa ligne.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is empty. Copy it again from the original.</source>
        <translation>%1 est vide. Copiez-le de nouveau depuis l&apos;original.</translation>
    </message>
    <message>
        <source>%1 is not an image: its content is not %2 data. Check that it is the right file.</source>
        <translation>%1 n&apos;est pas une image&#xa0;: son contenu n&apos;est pas au format %2. Vérifiez que c&apos;est le bon fichier.</translation>
    </message>
    <message>
        <source>%1 holds a %2 image, not the %3 its name says; the player chooses its decoder by the name. Save it again as %3.</source>
        <translation>%1 contient une image %2, pas le %3 qu&apos;indique son nom&#xa0;; le lecteur choisit son décodeur d&apos;après le nom. Enregistrez-le de nouveau en %3.</translation>
    </message>
    <message>
        <source>%1 is damaged: its header cannot be read (%2). Copy it again from the original.</source>
        <translation>%1 est endommagé&#xa0;: son en-tête ne peut pas être lu (%2). Copiez-le de nouveau depuis l&apos;original.</translation>
    </message>
    <message>
        <source>%1 is %2×%3 pixels, too large to decode safely. Scale it down to the screen&apos;s size.</source>
        <translation>%1 fait %2×%3 pixels, trop grand pour être décodé sans risque. Réduisez-le à la taille de l&apos;écran.</translation>
    </message>
    <message>
        <source>%1 was not read to its end.</source>
        <translation>%1 n&apos;a pas été lu jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2). Copy it again from the original.</source>
        <translation>%1 ne peut pas être décodé (%2). Copiez-le de nouveau depuis l&apos;original.</translation>
    </message>
    <message>
        <source>%1 in the package %2</source>
        <translation>%1 dans le paquet %2</translation>
    </message>
    <message>
        <source>%1 is not of a type the player accepts. Accepted are JPEG (.jpg) and PNG (.png) images, MP4 (.mp4) and AVI (.avi) videos, and .zip archives.</source>
        <translation>%1 n&apos;est pas d&apos;un type que le lecteur accepte. Sont acceptés les images JPEG (.jpg) et PNG (.png), les vidéos MP4 (.mp4) et AVI (.avi), et les archives .zip.</translation>
    </message>
    <message>
        <source>%1 is stored compressed in the package, and examining it took longer than %2 seconds. Add the original file again: media are stored uncompressed, which players also read faster.</source>
        <translation>%1 est stocké compressé dans le paquet, et son examen a pris plus de %2 secondes. Ajoutez de nouveau le fichier d&apos;origine&#xa0;: les médias sont stockés sans compression, ce que les lecteurs lisent aussi plus vite.</translation>
    </message>
    <message>
        <source>%1 could not be read within %2 seconds; the drive may be slow. Try again, or copy the file to a faster drive.</source>
        <translation>%1 n&apos;a pas pu être lu en %2 secondes&#xa0;; le support est peut-être lent. Réessayez, ou copiez le fichier sur un support plus rapide.</translation>
    </message>
    <message>
        <source>%1 has no picture to show.</source>
        <translation>%1 n&apos;a aucune image à afficher.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP4: the copy cannot be renamed.</source>
        <translation>%1 n&apos;a pas pu être converti en MP4&#xa0;: la copie ne peut pas être renommée.</translation>
    </message>
    <message>
        <source>an image with the time 00:00:00 is never shown</source>
        <translation>une image d&apos;une durée de 00:00:00 n&apos;est jamais affichée</translation>
    </message>
    <message>
        <source>1 file may not play:</source>
        <translation>1 fichier risque de ne pas être lu&#xa0;:</translation>
    </message>
    <message>
        <source>%1 files may not play:</source>
        <translation>%1 fichiers risquent de ne pas être lus&#xa0;:</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>le décodage a pris trop de temps</translation>
    </message>
    <message>
        <source>no picture in it could be decoded</source>
        <translation>aucune image n&apos;a pu y être décodée</translation>
    </message>
    <message>
        <source>its whole length</source>
        <translation>toute sa longueur</translation>
    </message>
    <message>
        <source>%1 is cut short: plays about %2 of %3. It was not copied to its end; copy it again from the original.</source>
        <translation>%1 est tronqué&#xa0;: il dure environ %2 sur %3. Il n&apos;a pas été copié jusqu&apos;au bout&#xa0;; copiez-le de nouveau depuis l&apos;original.</translation>
    </message>
    <message>
        <source>%1 cannot be read: out of memory.</source>
        <translation>%1 ne peut pas être lu&#xa0;: mémoire insuffisante.</translation>
    </message>
    <message>
        <source>%1 is not a video: its content is not MP4 or AVI data. Check that it is the right file.</source>
        <translation>%1 n&apos;est pas une vidéo&#xa0;: son contenu n&apos;est pas au format MP4 ou AVI. Vérifiez que c&apos;est le bon fichier.</translation>
    </message>
    <message>
        <source>%1 holds %2 data, not the %3 video its name says. Convert it, or give it the right extension.</source>
        <translation>%1 contient des données %2, pas la vidéo %3 qu&apos;indique son nom. Convertissez-le, ou donnez-lui la bonne extension.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short: its index cannot be read. Copy it again from the original.</source>
        <translation>%1 est endommagé ou tronqué&#xa0;: son index ne peut pas être lu. Copiez-le de nouveau depuis l&apos;original.</translation>
    </message>
    <message>
        <source>%1 holds no video picture, only sound or data.</source>
        <translation>%1 ne contient aucune image vidéo, seulement du son ou des données.</translation>
    </message>
    <message>
        <source>%1 uses the video codec “%2”, which cannot be decoded here; the player most likely cannot play it either. Convert it to H.264.</source>
        <translation>%1 utilise le codec vidéo «&#xa0;%2&#xa0;», qui ne peut pas être décodé ici&#xa0;; le lecteur ne pourra très probablement pas le lire non plus. Convertissez-le en H.264.</translation>
    </message>
    <message>
        <source>%1 gives an impossible picture size of %2×%3 pixels; it is damaged. Copy it again from the original.</source>
        <translation>%1 indique une taille d&apos;image impossible de %2×%3 pixels&#xa0;; il est endommagé. Copiez-le de nouveau depuis l&apos;original.</translation>
    </message>
    <message>
        <source>its picture format cannot be converted</source>
        <translation>son format d&apos;image ne peut pas être converti</translation>
    </message>
    <message>
        <source>%1 cannot be decoded: %2. Copy it again from the original, or convert it to H.264.</source>
        <translation>%1 ne peut pas être décodé&#xa0;: %2. Copiez-le de nouveau depuis l&apos;original, ou convertissez-le en H.264.</translation>
    </message>
    <message>
        <source>%1 is damaged near its end: its last pictures cannot be decoded (%2). Copy it again from the original.</source>
        <translation>%1 est endommagé vers sa fin&#xa0;: ses dernières images ne peuvent pas être décodées (%2). Copiez-le de nouveau depuis l&apos;original.</translation>
    </message>
    <message>
        <source>%1×%2 photo: the screen shows %3×%4</source>
        <translation>Photo de %1×%2&#xa0;: l&apos;écran affiche %3×%4</translation>
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
        <translation>%1 avec son</translation>
    </message>
    <message>
        <source>%1 turned by a rotation flag</source>
        <translation>%1 pivoté par un indicateur de rotation</translation>
    </message>
    <message>
        <source>this player plays up to %1 %2</source>
        <translation>ce lecteur lit jusqu&apos;à %1 %2</translation>
    </message>
    <message>
        <source>%1 at %2 fps</source>
        <translation>%1 à %2 fps</translation>
    </message>
    <message>
        <source>this player plays no sound</source>
        <translation>ce lecteur ne lit pas le son</translation>
    </message>
    <message>
        <source>this player ignores rotation flags</source>
        <translation>ce lecteur ignore les indicateurs de rotation</translation>
    </message>
    <message>
        <source>%1 could not be fitted to the screen: %2.</source>
        <translation>%1 n&apos;a pas pu être adapté à l&apos;écran&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its size cannot be read, or is too large to decode safely</source>
        <translation>sa taille est illisible, ou trop grande pour le décoder sans risque</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>The slide could not be kept: %1 cannot be written (%2). Check that there is space in your home folder.</source>
        <translation>La diapositive n&apos;a pas pu être conservée&#xa0;: %1 ne peut pas être écrit (%2). Vérifiez qu&apos;il reste de la place dans votre dossier personnel.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be used: %2. Choose a JPEG or PNG photo no larger than 16384 pixels a side.</source>
        <translation>L&apos;image de fond %1 ne peut pas être utilisée&#xa0;: %2. Choisissez une photo JPEG ou PNG de 16384 pixels de côté au plus.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>elle est trop grande</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be used: %2.</source>
        <translation>L&apos;image de fond %1 ne peut pas être utilisée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The slide could not be kept: the folder %1 cannot be made. Check that there is space in your home folder.</source>
        <translation>La diapositive n&apos;a pas pu être conservée&#xa0;: le dossier %1 ne peut pas être créé. Vérifiez qu&apos;il reste de la place dans votre dossier personnel.</translation>
    </message>
    <message>
        <source>The slide %1 could not be drawn.</source>
        <translation>La diapositive %1 n&apos;a pas pu être dessinée.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Previous item (Left)</source>
        <translation>Élément précédent (Gauche)</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pause (Espace)</translation>
    </message>
    <message>
        <source>Next item (Right)</source>
        <translation>Élément suivant (Droite)</translation>
    </message>
    <message>
        <source>Sound on or off; the preview starts without it</source>
        <translation>Son activé ou coupé&#xa0;; l&apos;aperçu démarre sans le son</translation>
    </message>
    <message>
        <source>No sound device found: the preview plays without sound</source>
        <translation>Aucun périphérique audio trouvé&#xa0;: l&apos;aperçu est lu sans le son</translation>
    </message>
    <message>
        <source>Full screen (F11)</source>
        <translation>Plein écran (F11)</translation>
    </message>
    <message>
        <source>Preview — %1 (%2 of %3)</source>
        <translation>Aperçu – %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Nothing to show: every item plays for 00:00:00.</source>
        <translation>Rien à afficher&#xa0;: chaque élément dure 00:00:00.</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Lecture (Espace)</translation>
    </message>
    <message>
        <source>“%1” cannot be shown: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être affiché&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be played: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1 / %2   %3 of %4</source>
        <translation>%1 / %2   %3 sur %4</translation>
    </message>
    <message>
        <source>–:––</source>
        <translation>–:––</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
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
        <translation>Téléviseur Full HD (1920×1080)</translation>
    </message>
    <message>
        <source>Full HD TV mounted upright (1080×1920)</source>
        <translation>Téléviseur Full HD monté à la verticale (1080×1920)</translation>
    </message>
    <message>
        <source>HD signage player, no sound (1280×720)</source>
        <translation>Lecteur d&apos;affichage dynamique HD, sans son (1280×720)</translation>
    </message>
    <message>
        <source>Basic USB player on a Full HD TV, clips up to 720p</source>
        <translation>Lecteur USB simple sur un téléviseur Full HD, clips jusqu&apos;à 720p</translation>
    </message>
    <message>
        <source>4K TV (3840×2160, HEVC)</source>
        <translation>Téléviseur 4K (3840×2160, HEVC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Plays the clips&apos; sound</source>
        <translation>Lit le son des clips</translation>
    </message>
    <message>
        <source>Turns clips by their rotation flag</source>
        <translation>Fait pivoter les clips selon leur indicateur de rotation</translation>
    </message>
    <message>
        <source>Screen and Player</source>
        <translation>Écran et lecteur</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Portrait (mounted upright)</source>
        <translation>Portrait (écran monté à la verticale)</translation>
    </message>
    <message>
        <source> fps</source>
        <translation> fps</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Screen &amp;resolution:</source>
        <translation>&amp;Résolution de l&apos;écran&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>Orie&amp;ntation&#xa0;:</translation>
    </message>
    <message>
        <source>Largest &amp;video:</source>
        <translation>Taille de &amp;vidéo maximale&#xa0;:</translation>
    </message>
    <message>
        <source>Video codecs:</source>
        <translation>Codecs vidéo&#xa0;:</translation>
    </message>
    <message>
        <source>Largest &amp;frame rate:</source>
        <translation>&amp;Fréquence d&apos;images maximale&#xa0;:</translation>
    </message>
    <message>
        <source>Media larger or richer than this are marked in the table, and can be fitted to it when you save.</source>
        <translation>Les médias qui dépassent ces réglages sont signalés dans le tableau et peuvent être adaptés lors de l&apos;enregistrement.</translation>
    </message>
</context>
<context>
    <name>SlideDialog</name>
    <message>
        <source>Text Slide</source>
        <translation>Diapositive de texte</translation>
    </message>
    <message>
        <source>Headline and lines</source>
        <translation>Titre et lignes</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Mise en page&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Headline:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>L&amp;ines:</source>
        <translation>&amp;Lignes&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>&amp;Price:</source>
        <translation>&amp;Prix&#xa0;:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond&#xa0;:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Couleurs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>Poli&amp;ce&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>C&amp;hoisir…</translation>
    </message>
    <message>
        <source>&amp;No Picture</source>
        <translation>Sa&amp;ns image</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Image de fond&#xa0;:</translation>
    </message>
    <message>
        <source>As the screen shows it (%1×%2)</source>
        <translation>Telle que l&apos;écran l&apos;affiche (%1×%2)</translation>
    </message>
    <message>
        <source>Slide Colour</source>
        <translation>Couleur de la diapositive</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.bmp);;All files (*)</source>
        <translation>Images (*.jpg *.jpeg *.png *.webp *.bmp);;Tous les fichiers (*)</translation>
    </message>
</context>
</TS>
