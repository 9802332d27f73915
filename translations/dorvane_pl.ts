<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AlertWindow</name>
    <message>
        <location filename="../ui/alertwindow.cpp" line="+37"/>
        <source>Ok... I&apos;ll get ready now</source>
        <extracomment>The one button of the full-screen alert that dismisses it. Casual, first person. 203 px wide at 9.75 pt: about 30 Latin characters at most.</extracomment>
        <translation>Dobra... już się szykuję</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dismisses the alert.</source>
        <extracomment>Screen reader description of the button.</extracomment>
        <translation>Zamyka alarm.</translation>
    </message>
</context>
<context>
    <name>Dorvane</name>
    <message>
        <location filename="../app/dorvane.cpp" line="+157"/>
        <source>The %1 alert was missed while the computer was asleep or its clock changed.</source>
        <extracomment>Tray notification; %1 is a time such as 7:05 AM.</extracomment>
        <translation>Alarm zaplanowany na %1 został pominięty, gdy komputer był uśpiony lub zmieniono jego zegar.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../ui/helpwindow.cpp" line="+15"/>
        <source>Help for</source>
        <extracomment>Title of the help window before a topic is chosen (rarely seen).</extracomment>
        <translation>Pomoc</translation>
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
        <translation>Zamyka pomoc.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Help for variables in messages</source>
        <extracomment>Title of help topic 0.</extracomment>
        <translation>Pomoc dotycząca zmiennych w komunikatach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dorvane supports the use of variables in the message. Below is a list of variables and what they do:</source>
        <extracomment>First paragraph of help topic 0.</extracomment>
        <translation>Dorvane obsługuje zmienne w komunikacie. Poniżej znajduje się lista zmiennych i opis ich działania:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%time% - Outputs the current time in hour:minute AM/PM format.</source>
        <extracomment>A line of help topic 0. Keep %time% exactly, at the start.</extracomment>
        <translation>%time% - Wstawia bieżącą godzinę w formacie godzina:minuta AM/PM.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%day% - Outputs the current day.</source>
        <extracomment>A line of help topic 0. Keep %day% exactly, at the start.</extracomment>
        <translation>%day% - Wstawia bieżący dzień tygodnia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%date% - Outputs the current system date in Month/Day/Year format.</source>
        <extracomment>A line of help topic 0. Keep %date% exactly, at the start.</extracomment>
        <translation>%date% - Wstawia bieżącą datę systemową w formacie miesiąc/dzień/rok.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help for inputting times</source>
        <extracomment>Title of help topic 1.</extracomment>
        <translation>Pomoc dotycząca wpisywania godzin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dorvane supports inputs for one week. Just choose the time you work on any particular day and check the &apos;Work Today?&apos; box. If it is not checked, you will not be alerted at that time on that day. If it is checked, then you will be alerted.</source>
        <extracomment>Help topic 1. Quote the translated &apos;Work Today?&apos; caption exactly as translated. The window shows about 5 lines of 60 Latin characters; keep it about as long as the English.</extracomment>
        <translation>Dorvane obsługuje ustawienia na jeden tydzień. Wystarczy wybrać godzinę dla każdego dnia, w którym pracujesz, i zaznaczyć pole „Dzień pracy?”. Jeśli pole nie jest zaznaczone, tego dnia o tej godzinie alarmu nie będzie. Jeśli jest zaznaczone, alarm się włączy.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.cpp" line="+158"/>
        <source>Dorvane: Configuration</source>
        <extracomment>Title of the configuration window.</extracomment>
        <translation>Dorvane: Konfiguracja</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Input Times      </source>
        <extracomment>Caption of the frame holding the seven days. Keep the six trailing spaces: the help icon stands after them. Bold; about 11 Latin characters fit before the icon, longer moves the icon right (frame is 171 px wide).</extracomment>
        <translation>Godziny      </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work Today?</source>
        <extracomment>Heading over the column of working-day check boxes. 64 px wide at 8.25 pt Arial: about 11 Latin characters at most.</extracomment>
        <translation>Dzień pracy?</translation>
    </message>
    <message>
        <location line="-191"/>
        <source>Sunday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Niedziela</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Monday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tuesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Wtorek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wednesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Środa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thursday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Czwartek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Friday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Piątek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>Sobota</translation>
    </message>
    <message>
        <location line="+196"/>
        <source>%1 alert time</source>
        <extracomment>Screen reader name of a day&apos;s time picker; %1 is the translated day caption (e.g. Monday).</extracomment>
        <translation>Godzina alarmu: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The time of the alert on %1; only the hour and the minute count. F1: help on inputting times.</source>
        <extracomment>Screen reader description of a day&apos;s time picker; %1 is the translated day caption.</extracomment>
        <translation>Godzina alarmu: %1; liczą się tylko godzina i minuta. F1: pomoc dotycząca wpisywania godzin.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Work on %1</source>
        <extracomment>Screen reader name of a day&apos;s working-day check box; %1 is the translated day caption.</extracomment>
        <translation>Dzień pracy: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ticked, %1 is a working day and alerts at its time.</source>
        <extracomment>Screen reader description of the check box; %1 is the translated day caption.</extracomment>
        <translation>Zaznaczone: %1 to dzień pracy i alarm włącza się o ustawionej godzinie.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Display Options</source>
        <extracomment>Caption of the frame with the message and colours. Bold.</extracomment>
        <translation>Opcje wyświetlania</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Message to display:</source>
        <extracomment>Caption over the message box. 96 px wide (about 18 Latin characters); the help icon follows it.</extracomment>
        <translation>Treść komunikatu:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help on variables in messages</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>Pomoc dotycząca zmiennych w komunikatach</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help on inputting times</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>Pomoc dotycząca wpisywania godzin</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Opens the help on variables in messages; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>Otwiera pomoc dotyczącą zmiennych w komunikatach; to samo robi F1 w tej ramce.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Opens the help on inputting times; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>Otwiera pomoc dotyczącą wpisywania godzin; to samo robi F1 w tej ramce.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Go to work because it&apos;s %time% on %day%.</source>
        <extracomment>Placeholder text of the message box before the settings are loaded. Keep %time% and %day% exactly as they are.</extracomment>
        <translation>Idź do pracy, bo jest %day%, godzina %time%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Message to display</source>
        <extracomment>Screen reader name of the message box.</extracomment>
        <translation>Treść komunikatu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The alert&apos;s message; %day%, %time% and %date% become the weekday, the time and the date. F1: help on the variables.</source>
        <extracomment>Screen reader description of the message box. Keep %day%, %time%, %date% exactly.</extracomment>
        <translation>Komunikat alarmu; %day%, %time% i %date% zmieniają się w dzień tygodnia, godzinę i datę. F1: pomoc dotycząca zmiennych.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Font Color</source>
        <extracomment>Caption beside the text colour swatch (color of the alert&apos;s text). About 20 Latin characters at most.</extracomment>
        <translation>Kolor tekstu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background Color</source>
        <extracomment>Caption beside the background colour swatch. About 20 Latin characters at most.</extracomment>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The colour of the alert&apos;s text; click it, or press Alt+F, to choose another.</source>
        <extracomment>Screen reader description. Alt+F stays Alt+F in every language.</extracomment>
        <translation>Kolor tekstu alarmu; kliknij go lub naciśnij Alt+F, aby wybrać inny.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The colour behind the alert&apos;s text; click it, or press Alt+B, to choose another.</source>
        <extracomment>Screen reader description. Alt+B stays Alt+B in every language.</extracomment>
        <translation>Kolor tła pod tekstem alarmu; kliknij go lub naciśnij Alt+B, aby wybrać inny.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A town at sunrise: time to get ready for work.</source>
        <extracomment>Screen reader description of the window&apos;s picture.</extracomment>
        <translation>Miasteczko o wschodzie słońca: czas szykować się do pracy.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hide</source>
        <extracomment>Button: hides the window to the notification area. 99 px wide.</extracomment>
        <translation>Ukryj</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hides this window; Dorvane goes on in the notification area.</source>
        <extracomment>Screen reader description of Hide.</extracomment>
        <translation>Ukrywa to okno; Dorvane działa dalej w obszarze powiadomień.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quit</source>
        <extracomment>Button: ends the program. 99 px wide.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ends Dorvane.</source>
        <extracomment>Screen reader description of Quit.</extracomment>
        <translation>Kończy działanie programu Dorvane.</translation>
    </message>
    <message>
        <source>Play a sound with the alert</source>
        <extracomment>Check box caption in the Display Options frame, right of the colour swatches; about 160 px (about 24 Latin characters) at most, shorten rather than exceed.</extracomment>
        <translation type="vanished">Dźwięk przy alarmie</translation>
    </message>
    <message>
        <source>Ticked, the alert rings until you dismiss it, for at most a minute.</source>
        <extracomment>Screen reader description of the sound check box.</extracomment>
        <translation type="vanished">Zaznaczone: alarm dzwoni, dopóki go nie zamkniesz, najwyżej przez minutę.</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Error</source>
        <extracomment>Title of an error message box.</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error # %1 - %2</source>
        <extracomment>Text of the error message box: %1 is an error number, %2 its description. Keep &apos;#&apos; and &apos; - &apos; shape as natural.</extracomment>
        <translation>Błąd nr %1 - %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../core/schedule.h" line="+72"/>
        <source>Get ready for work because it is now %time% on %day%.</source>
        <extracomment>The default alert message, shown full screen in huge type at the alert time. Keep %time% and %day% exactly; %time% becomes e.g. 7:05 AM, %day% the weekday name (from the locale, may be capitalised as the locale does).</extracomment>
        <translation>Szykuj się do pracy, bo jest już %day%, godzina %time%.</translation>
    </message>
    <message>
        <location filename="../core/messagecomposer.h" line="+11"/>
        <source>Remember to input your new times for the week.</source>
        <extracomment>Reminder added under the alert message on Saturdays.</extracomment>
        <translation>Pamiętaj, aby wpisać godziny na nowy tydzień.</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <location filename="../core/reminder.cpp" line="+93"/>
        <source>Dorvane could not save a setting</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>Dorvane nie mógł zapisać ustawienia</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The change stays in effect, and Dorvane saves it as soon as it can.</source>
        <extracomment>Second line of that notification.</extracomment>
        <translation>Zmiana nadal obowiązuje, a Dorvane zapisze ją, gdy tylko będzie to możliwe.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dorvane saved your settings</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>Dorvane zapisał ustawienia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The changes that could not be saved before are now saved in %1.</source>
        <extracomment>Notification text; %1 is a file path.</extracomment>
        <translation>Zmiany, których wcześniej nie udało się zapisać, zostały teraz zapisane w %1.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../core/settingsstore.cpp" line="+135"/>
        <source>The settings in %1 could not be read, so &quot;%2&quot; was not saved.</source>
        <extracomment>%1 is a file path, %2 a settings key name such as MondayTime (not translated).</extracomment>
        <translation>Nie udało się odczytać ustawień z pliku %1, więc ustawienie „%2” nie zostało zapisane.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be saved: %2 cannot be written.</source>
        <extracomment>%1 is a settings key name such as MondayTime (not translated), %2 a file path.</extracomment>
        <translation>Nie udało się zapisać ustawienia „%1”: nie można zapisywać do pliku %2.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../ui/trayicon.cpp" line="+68"/>
        <source>Configure</source>
        <extracomment>Tray menu item: shows or hides the configuration window.</extracomment>
        <translation>Konfiguruj</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit</source>
        <extracomment>Tray menu item: ends the program.</extracomment>
        <translation>Zakończ</translation>
    </message>
</context>
</TS>
