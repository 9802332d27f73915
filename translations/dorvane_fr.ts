<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlertWindow</name>
    <message>
        <location filename="../ui/alertwindow.cpp" line="+37"/>
        <source>Ok... I&apos;ll get ready now</source>
        <extracomment>The one button of the full-screen alert that dismisses it. Casual, first person. 203 px wide at 9.75 pt: about 30 Latin characters at most.</extracomment>
        <translation>D’accord... je me prépare</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dismisses the alert.</source>
        <extracomment>Screen reader description of the button.</extracomment>
        <translation>Ferme l’alerte.</translation>
    </message>
</context>
<context>
    <name>Dorvane</name>
    <message>
        <location filename="../app/dorvane.cpp" line="+157"/>
        <source>The %1 alert was missed while the computer was asleep or its clock changed.</source>
        <extracomment>Tray notification; %1 is a time such as 7:05 AM.</extracomment>
        <translation>L’alerte de %1 a été manquée pendant que l’ordinateur était en veille ou que son horloge changeait.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../ui/helpwindow.cpp" line="+15"/>
        <source>Help for</source>
        <extracomment>Title of the help window before a topic is chosen (rarely seen).</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <extracomment>Button that closes the help window. 61 px wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes the help.</source>
        <extracomment>Screen reader description of OK.</extracomment>
        <translation>Ferme l’aide.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Help for variables in messages</source>
        <extracomment>Title of help topic 0.</extracomment>
        <translation>Aide sur les variables des messages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dorvane supports the use of variables in the message. Below is a list of variables and what they do:</source>
        <extracomment>First paragraph of help topic 0.</extracomment>
        <translation>Dorvane permet d’utiliser des variables dans le message. Voici la liste des variables et de leur effet&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%time% - Outputs the current time in hour:minute AM/PM format.</source>
        <extracomment>A line of help topic 0. Keep %time% exactly, at the start.</extracomment>
        <translation>%time% - Affiche l’heure actuelle au format heure:minute AM/PM.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%day% - Outputs the current day.</source>
        <extracomment>A line of help topic 0. Keep %day% exactly, at the start.</extracomment>
        <translation>%day% - Affiche le jour actuel.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%date% - Outputs the current system date in Month/Day/Year format.</source>
        <extracomment>A line of help topic 0. Keep %date% exactly, at the start.</extracomment>
        <translation>%date% - Affiche la date système actuelle au format mois/jour/année.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help for inputting times</source>
        <extracomment>Title of help topic 1.</extracomment>
        <translation>Aide sur la saisie des horaires</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dorvane supports inputs for one week. Just choose the time you work on any particular day and check the &apos;Work Today?&apos; box. If it is not checked, you will not be alerted at that time on that day. If it is checked, then you will be alerted.</source>
        <extracomment>Help topic 1. Quote the translated &apos;Work Today?&apos; caption exactly as translated. The window shows about 5 lines of 60 Latin characters; keep it about as long as the English.</extracomment>
        <translation>Dorvane permet de saisir les horaires d’une semaine. Choisissez simplement l’heure à laquelle vous travaillez un jour donné et cochez la case «&#xa0;Au travail&#xa0;?&#xa0;». Si elle n’est pas cochée, vous ne recevrez pas d’alerte ce jour-là à cette heure. Si elle est cochée, vous en recevrez une.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.cpp" line="+158"/>
        <source>Dorvane: Configuration</source>
        <extracomment>Title of the configuration window.</extracomment>
        <translation>Dorvane&#xa0;: configuration</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Input Times      </source>
        <extracomment>Caption of the frame holding the seven days. Keep the six trailing spaces: the help icon stands after them. Bold; about 11 Latin characters fit before the icon, longer moves the icon right (frame is 171 px wide).</extracomment>
        <translation>Horaires      </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work Today?</source>
        <extracomment>Heading over the column of working-day check boxes. 64 px wide at 8.25 pt Arial: about 11 Latin characters at most.</extracomment>
        <translation>Au travail&#xa0;?</translation>
    </message>
    <message>
        <location line="-191"/>
        <source>Sunday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Dimanche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Monday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Lundi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tuesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Mardi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wednesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Mercredi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thursday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Jeudi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Friday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Vendredi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Samedi</translation>
    </message>
    <message>
        <location line="+196"/>
        <source>%1 alert time</source>
        <extracomment>Screen reader name of a day&apos;s time picker; %1 is the translated day caption (e.g. Monday).</extracomment>
        <translation>%1&#xa0;: heure de l’alerte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The time of the alert on %1; only the hour and the minute count. F1: help on inputting times.</source>
        <extracomment>Screen reader description of a day&apos;s time picker; %1 is the translated day caption.</extracomment>
        <translation>%1&#xa0;: heure de l’alerte&#xa0;; seules l’heure et les minutes comptent. F1&#xa0;: aide sur la saisie des horaires.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Work on %1</source>
        <extracomment>Screen reader name of a day&apos;s working-day check box; %1 is the translated day caption.</extracomment>
        <translation>%1 travaillé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ticked, %1 is a working day and alerts at its time.</source>
        <extracomment>Screen reader description of the check box; %1 is the translated day caption.</extracomment>
        <translation>Coché&#xa0;: %1 est un jour travaillé et l’alerte se déclenche à son heure.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Display Options</source>
        <extracomment>Caption of the frame with the message and colours. Bold.</extracomment>
        <translation>Options d’affichage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Message to display:</source>
        <extracomment>Caption over the message box. 96 px wide (about 18 Latin characters); the help icon follows it.</extracomment>
        <translation>Message affiché&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help on variables in messages</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>Aide sur les variables des messages</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help on inputting times</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>Aide sur la saisie des horaires</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Opens the help on variables in messages; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>Ouvre l’aide sur les variables des messages&#xa0;; F1 fait de même dans ce cadre.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Opens the help on inputting times; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>Ouvre l’aide sur la saisie des horaires&#xa0;; F1 fait de même dans ce cadre.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Go to work because it&apos;s %time% on %day%.</source>
        <extracomment>Placeholder text of the message box before the settings are loaded. Keep %time% and %day% exactly as they are.</extracomment>
        <translation>Allez travailler, il est %time% ce %day%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Message to display</source>
        <extracomment>Screen reader name of the message box.</extracomment>
        <translation>Message à afficher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The alert&apos;s message; %day%, %time% and %date% become the weekday, the time and the date. F1: help on the variables.</source>
        <extracomment>Screen reader description of the message box. Keep %day%, %time%, %date% exactly.</extracomment>
        <translation>Le message de l’alerte&#xa0;; %day%, %time% et %date% deviennent le jour de la semaine, l’heure et la date. F1&#xa0;: aide sur les variables.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Font Color</source>
        <extracomment>Caption beside the text colour swatch (color of the alert&apos;s text). About 20 Latin characters at most.</extracomment>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background Color</source>
        <extracomment>Caption beside the background colour swatch. About 20 Latin characters at most.</extracomment>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The colour of the alert&apos;s text; click it, or press Alt+F, to choose another.</source>
        <extracomment>Screen reader description. Alt+F stays Alt+F in every language.</extracomment>
        <translation>La couleur du texte de l’alerte&#xa0;; cliquez dessus ou appuyez sur Alt+F pour en choisir une autre.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The colour behind the alert&apos;s text; click it, or press Alt+B, to choose another.</source>
        <extracomment>Screen reader description. Alt+B stays Alt+B in every language.</extracomment>
        <translation>La couleur derrière le texte de l’alerte&#xa0;; cliquez dessus ou appuyez sur Alt+B pour en choisir une autre.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A town at sunrise: time to get ready for work.</source>
        <extracomment>Screen reader description of the window&apos;s picture.</extracomment>
        <translation>Une ville au lever du soleil&#xa0;: il est temps de se préparer pour le travail.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hide</source>
        <extracomment>Button: hides the window to the notification area. 99 px wide.</extracomment>
        <translation>Masquer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hides this window; Dorvane goes on in the notification area.</source>
        <extracomment>Screen reader description of Hide.</extracomment>
        <translation>Masque cette fenêtre&#xa0;; Dorvane continue dans la zone de notification.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quit</source>
        <extracomment>Button: ends the program. 99 px wide.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ends Dorvane.</source>
        <extracomment>Screen reader description of Quit.</extracomment>
        <translation>Quitte Dorvane.</translation>
    </message>
    <message>
        <source>Play a sound with the alert</source>
        <extracomment>Check box caption in the Display Options frame, right of the colour swatches; about 160 px (about 24 Latin characters) at most, shorten rather than exceed.</extracomment>
        <translation type="vanished">Jouer un son avec l’alerte</translation>
    </message>
    <message>
        <source>Ticked, the alert rings until you dismiss it, for at most a minute.</source>
        <extracomment>Screen reader description of the sound check box.</extracomment>
        <translation type="vanished">Coché&#xa0;: l’alerte sonne jusqu’à ce que vous la fermiez, pendant une minute au plus.</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Error</source>
        <extracomment>Title of an error message box.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error # %1 - %2</source>
        <extracomment>Text of the error message box: %1 is an error number, %2 its description. Keep &apos;#&apos; and &apos; - &apos; shape as natural.</extracomment>
        <translation>Erreur n°&#xa0;%1 – %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../core/schedule.h" line="+72"/>
        <source>Get ready for work because it is now %time% on %day%.</source>
        <extracomment>The default alert message, shown full screen in huge type at the alert time. Keep %time% and %day% exactly; %time% becomes e.g. 7:05 AM, %day% the weekday name (from the locale, may be capitalised as the locale does).</extracomment>
        <translation>Préparez-vous pour le travail&#xa0;: il est maintenant %time% ce %day%.</translation>
    </message>
    <message>
        <location filename="../core/messagecomposer.h" line="+11"/>
        <source>Remember to input your new times for the week.</source>
        <extracomment>Reminder added under the alert message on Saturdays.</extracomment>
        <translation>N’oubliez pas de saisir vos nouveaux horaires de la semaine.</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <location filename="../core/reminder.cpp" line="+93"/>
        <source>Dorvane could not save a setting</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>Dorvane n’a pas pu enregistrer un paramètre</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The change stays in effect, and Dorvane saves it as soon as it can.</source>
        <extracomment>Second line of that notification.</extracomment>
        <translation>La modification reste en vigueur et Dorvane l’enregistrera dès que possible.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dorvane saved your settings</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>Dorvane a enregistré vos paramètres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The changes that could not be saved before are now saved in %1.</source>
        <extracomment>Notification text; %1 is a file path.</extracomment>
        <translation>Les modifications qui n’avaient pas pu être enregistrées le sont maintenant dans %1.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../core/settingsstore.cpp" line="+135"/>
        <source>The settings in %1 could not be read, so &quot;%2&quot; was not saved.</source>
        <extracomment>%1 is a file path, %2 a settings key name such as MondayTime (not translated).</extracomment>
        <translation>Les paramètres de %1 n’ont pas pu être lus, donc «&#xa0;%2&#xa0;» n’a pas été enregistré.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be saved: %2 cannot be written.</source>
        <extracomment>%1 is a settings key name such as MondayTime (not translated), %2 a file path.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être enregistré&#xa0;: impossible d’écrire dans %2.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../ui/trayicon.cpp" line="+68"/>
        <source>Configure</source>
        <extracomment>Tray menu item: shows or hides the configuration window.</extracomment>
        <translation>Configurer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit</source>
        <extracomment>Tray menu item: ends the program.</extracomment>
        <translation>Quitter</translation>
    </message>
</context>
</TS>
