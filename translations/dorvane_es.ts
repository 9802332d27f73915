<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlertWindow</name>
    <message>
        <location filename="../ui/alertwindow.cpp" line="+37"/>
        <source>Ok... I&apos;ll get ready now</source>
        <extracomment>The one button of the full-screen alert that dismisses it. Casual, first person. 203 px wide at 9.75 pt: about 30 Latin characters at most.</extracomment>
        <translation>Está bien... ya me preparo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dismisses the alert.</source>
        <extracomment>Screen reader description of the button.</extracomment>
        <translation>Cierra el aviso.</translation>
    </message>
</context>
<context>
    <name>Dorvane</name>
    <message>
        <location filename="../app/dorvane.cpp" line="+157"/>
        <source>The %1 alert was missed while the computer was asleep or its clock changed.</source>
        <extracomment>Tray notification; %1 is a time such as 7:05 AM.</extracomment>
        <translation>Se perdió el aviso de las %1 mientras el equipo estaba en suspensión o cambiaba su reloj.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../ui/helpwindow.cpp" line="+15"/>
        <source>Help for</source>
        <extracomment>Title of the help window before a topic is chosen (rarely seen).</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <extracomment>Button that closes the help window. 61 px wide.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes the help.</source>
        <extracomment>Screen reader description of OK.</extracomment>
        <translation>Cierra la ayuda.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Help for variables in messages</source>
        <extracomment>Title of help topic 0.</extracomment>
        <translation>Ayuda sobre las variables de los mensajes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dorvane supports the use of variables in the message. Below is a list of variables and what they do:</source>
        <extracomment>First paragraph of help topic 0.</extracomment>
        <translation>Dorvane permite usar variables en el mensaje. Esta es la lista de las variables y lo que hace cada una:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%time% - Outputs the current time in hour:minute AM/PM format.</source>
        <extracomment>A line of help topic 0. Keep %time% exactly, at the start.</extracomment>
        <translation>%time% - Muestra la hora actual en formato hora:minuto AM/PM.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%day% - Outputs the current day.</source>
        <extracomment>A line of help topic 0. Keep %day% exactly, at the start.</extracomment>
        <translation>%day% - Muestra el día actual.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%date% - Outputs the current system date in Month/Day/Year format.</source>
        <extracomment>A line of help topic 0. Keep %date% exactly, at the start.</extracomment>
        <translation>%date% - Muestra la fecha actual del sistema en formato mes/día/año.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help for inputting times</source>
        <extracomment>Title of help topic 1.</extracomment>
        <translation>Ayuda para introducir los horarios</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dorvane supports inputs for one week. Just choose the time you work on any particular day and check the &apos;Work Today?&apos; box. If it is not checked, you will not be alerted at that time on that day. If it is checked, then you will be alerted.</source>
        <extracomment>Help topic 1. Quote the translated &apos;Work Today?&apos; caption exactly as translated. The window shows about 5 lines of 60 Latin characters; keep it about as long as the English.</extracomment>
        <translation>Dorvane admite horarios para una semana. Solo tienes que elegir la hora a la que trabajas un día concreto y marcar la casilla «¿Laborable?». Si no está marcada, ese día no recibirás ningún aviso a esa hora. Si está marcada, sí lo recibirás.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.cpp" line="+158"/>
        <source>Dorvane: Configuration</source>
        <extracomment>Title of the configuration window.</extracomment>
        <translation>Dorvane: configuración</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Input Times      </source>
        <extracomment>Caption of the frame holding the seven days. Keep the six trailing spaces: the help icon stands after them. Bold; about 11 Latin characters fit before the icon, longer moves the icon right (frame is 171 px wide).</extracomment>
        <translation>Horarios      </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work Today?</source>
        <extracomment>Heading over the column of working-day check boxes. 64 px wide at 8.25 pt Arial: about 11 Latin characters at most.</extracomment>
        <translation>¿Laborable?</translation>
    </message>
    <message>
        <location line="-191"/>
        <source>Sunday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Domingo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Monday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Lunes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tuesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Martes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wednesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Miércoles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thursday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Jueves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Friday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Viernes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Sábado</translation>
    </message>
    <message>
        <location line="+196"/>
        <source>%1 alert time</source>
        <extracomment>Screen reader name of a day&apos;s time picker; %1 is the translated day caption (e.g. Monday).</extracomment>
        <translation>%1: hora del aviso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The time of the alert on %1; only the hour and the minute count. F1: help on inputting times.</source>
        <extracomment>Screen reader description of a day&apos;s time picker; %1 is the translated day caption.</extracomment>
        <translation>%1: hora del aviso; solo cuentan la hora y los minutos. F1: ayuda para introducir los horarios.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Work on %1</source>
        <extracomment>Screen reader name of a day&apos;s working-day check box; %1 is the translated day caption.</extracomment>
        <translation>%1 laborable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ticked, %1 is a working day and alerts at its time.</source>
        <extracomment>Screen reader description of the check box; %1 is the translated day caption.</extracomment>
        <translation>Si está marcada, %1 es un día laborable y el aviso sale a su hora.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Display Options</source>
        <extracomment>Caption of the frame with the message and colours. Bold.</extracomment>
        <translation>Opciones de visualización</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Message to display:</source>
        <extracomment>Caption over the message box. 96 px wide (about 18 Latin characters); the help icon follows it.</extracomment>
        <translation>Mensaje a mostrar:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help on variables in messages</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>Ayuda sobre las variables de los mensajes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help on inputting times</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>Ayuda para introducir los horarios</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Opens the help on variables in messages; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>Abre la ayuda sobre las variables de los mensajes; F1 también la abre dentro de su marco.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Opens the help on inputting times; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>Abre la ayuda para introducir los horarios; F1 también la abre dentro de su marco.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Go to work because it&apos;s %time% on %day%.</source>
        <extracomment>Placeholder text of the message box before the settings are loaded. Keep %time% and %day% exactly as they are.</extracomment>
        <translation>Ve a trabajar, que son las %time% del %day%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Message to display</source>
        <extracomment>Screen reader name of the message box.</extracomment>
        <translation>Mensaje a mostrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The alert&apos;s message; %day%, %time% and %date% become the weekday, the time and the date. F1: help on the variables.</source>
        <extracomment>Screen reader description of the message box. Keep %day%, %time%, %date% exactly.</extracomment>
        <translation>El mensaje del aviso; %day%, %time% y %date% se convierten en el día de la semana, la hora y la fecha. F1: ayuda sobre las variables.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Font Color</source>
        <extracomment>Caption beside the text colour swatch (color of the alert&apos;s text). About 20 Latin characters at most.</extracomment>
        <translation>Color del texto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background Color</source>
        <extracomment>Caption beside the background colour swatch. About 20 Latin characters at most.</extracomment>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The colour of the alert&apos;s text; click it, or press Alt+F, to choose another.</source>
        <extracomment>Screen reader description. Alt+F stays Alt+F in every language.</extracomment>
        <translation>El color del texto del aviso; haz clic en él o pulsa Alt+F para elegir otro.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The colour behind the alert&apos;s text; click it, or press Alt+B, to choose another.</source>
        <extracomment>Screen reader description. Alt+B stays Alt+B in every language.</extracomment>
        <translation>El color detrás del texto del aviso; haz clic en él o pulsa Alt+B para elegir otro.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A town at sunrise: time to get ready for work.</source>
        <extracomment>Screen reader description of the window&apos;s picture.</extracomment>
        <translation>Una ciudad al amanecer: hora de prepararse para ir a trabajar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hide</source>
        <extracomment>Button: hides the window to the notification area. 99 px wide.</extracomment>
        <translation>Ocultar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hides this window; Dorvane goes on in the notification area.</source>
        <extracomment>Screen reader description of Hide.</extracomment>
        <translation>Oculta esta ventana; Dorvane sigue en el área de notificación.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quit</source>
        <extracomment>Button: ends the program. 99 px wide.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ends Dorvane.</source>
        <extracomment>Screen reader description of Quit.</extracomment>
        <translation>Cierra Dorvane.</translation>
    </message>
    <message>
        <source>Play a sound with the alert</source>
        <extracomment>Check box caption in the Display Options frame, right of the colour swatches; about 160 px (about 24 Latin characters) at most, shorten rather than exceed.</extracomment>
        <translation type="vanished">Aviso con sonido</translation>
    </message>
    <message>
        <source>Ticked, the alert rings until you dismiss it, for at most a minute.</source>
        <extracomment>Screen reader description of the sound check box.</extracomment>
        <translation type="vanished">Si está marcada, el aviso suena hasta que lo cierres, durante un minuto como máximo.</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Error</source>
        <extracomment>Title of an error message box.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error # %1 - %2</source>
        <extracomment>Text of the error message box: %1 is an error number, %2 its description. Keep &apos;#&apos; and &apos; - &apos; shape as natural.</extracomment>
        <translation>Error n.º %1 – %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../core/schedule.h" line="+72"/>
        <source>Get ready for work because it is now %time% on %day%.</source>
        <extracomment>The default alert message, shown full screen in huge type at the alert time. Keep %time% and %day% exactly; %time% becomes e.g. 7:05 AM, %day% the weekday name (from the locale, may be capitalised as the locale does).</extracomment>
        <translation>Prepárate para ir a trabajar, que ya son las %time% del %day%.</translation>
    </message>
    <message>
        <location filename="../core/messagecomposer.h" line="+11"/>
        <source>Remember to input your new times for the week.</source>
        <extracomment>Reminder added under the alert message on Saturdays.</extracomment>
        <translation>Recuerda introducir tus nuevos horarios para la semana.</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <location filename="../core/reminder.cpp" line="+93"/>
        <source>Dorvane could not save a setting</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>Dorvane no pudo guardar un ajuste</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The change stays in effect, and Dorvane saves it as soon as it can.</source>
        <extracomment>Second line of that notification.</extracomment>
        <translation>El cambio sigue en vigor y Dorvane lo guardará en cuanto pueda.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dorvane saved your settings</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>Dorvane guardó tus ajustes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The changes that could not be saved before are now saved in %1.</source>
        <extracomment>Notification text; %1 is a file path.</extracomment>
        <translation>Los cambios que antes no se pudieron guardar ya están guardados en %1.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../core/settingsstore.cpp" line="+135"/>
        <source>The settings in %1 could not be read, so &quot;%2&quot; was not saved.</source>
        <extracomment>%1 is a file path, %2 a settings key name such as MondayTime (not translated).</extracomment>
        <translation>No se pudieron leer los ajustes de %1, así que «%2» no se guardó.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be saved: %2 cannot be written.</source>
        <extracomment>%1 is a settings key name such as MondayTime (not translated), %2 a file path.</extracomment>
        <translation>No se pudo guardar «%1»: no se puede escribir en %2.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../ui/trayicon.cpp" line="+68"/>
        <source>Configure</source>
        <extracomment>Tray menu item: shows or hides the configuration window.</extracomment>
        <translation>Configurar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit</source>
        <extracomment>Tray menu item: ends the program.</extracomment>
        <translation>Salir</translation>
    </message>
</context>
</TS>
