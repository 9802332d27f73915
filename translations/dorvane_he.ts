<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AlertWindow</name>
    <message>
        <location filename="../ui/alertwindow.cpp" line="+37"/>
        <source>Ok... I&apos;ll get ready now</source>
        <extracomment>The one button of the full-screen alert that dismisses it. Casual, first person. 203 px wide at 9.75 pt: about 30 Latin characters at most.</extracomment>
        <translation>אוקיי... אתכונן עכשיו</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dismisses the alert.</source>
        <extracomment>Screen reader description of the button.</extracomment>
        <translation>סוגר את ההתראה.</translation>
    </message>
</context>
<context>
    <name>Dorvane</name>
    <message>
        <location filename="../app/dorvane.cpp" line="+157"/>
        <source>The %1 alert was missed while the computer was asleep or its clock changed.</source>
        <extracomment>Tray notification; %1 is a time such as 7:05 AM.</extracomment>
        <translation>ההתראה של השעה %1 הוחמצה כי המחשב היה במצב שינה או שהשעון שלו השתנה.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../ui/helpwindow.cpp" line="+15"/>
        <source>Help for</source>
        <extracomment>Title of the help window before a topic is chosen (rarely seen).</extracomment>
        <translation>עזרה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <extracomment>Button that closes the help window. 61 px wide.</extracomment>
        <translation>אישור</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes the help.</source>
        <extracomment>Screen reader description of OK.</extracomment>
        <translation>סוגר את העזרה.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Help for variables in messages</source>
        <extracomment>Title of help topic 0.</extracomment>
        <translation>עזרה בנושא משתנים בהודעות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dorvane supports the use of variables in the message. Below is a list of variables and what they do:</source>
        <extracomment>First paragraph of help topic 0.</extracomment>
        <translation>ב-Dorvane אפשר להשתמש במשתנים בהודעה. להלן רשימת המשתנים ומה כל אחד מהם עושה:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%time% - Outputs the current time in hour:minute AM/PM format.</source>
        <extracomment>A line of help topic 0. Keep %time% exactly, at the start.</extracomment>
        <translation>%time% - מציג את השעה הנוכחית בתבנית שעה:דקה AM/PM.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%day% - Outputs the current day.</source>
        <extracomment>A line of help topic 0. Keep %day% exactly, at the start.</extracomment>
        <translation>%day% - מציג את היום הנוכחי.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%date% - Outputs the current system date in Month/Day/Year format.</source>
        <extracomment>A line of help topic 0. Keep %date% exactly, at the start.</extracomment>
        <translation>%date% - מציג את תאריך המערכת הנוכחי בתבנית חודש/יום/שנה.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help for inputting times</source>
        <extracomment>Title of help topic 1.</extracomment>
        <translation>עזרה בנושא הזנת שעות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dorvane supports inputs for one week. Just choose the time you work on any particular day and check the &apos;Work Today?&apos; box. If it is not checked, you will not be alerted at that time on that day. If it is checked, then you will be alerted.</source>
        <extracomment>Help topic 1. Quote the translated &apos;Work Today?&apos; caption exactly as translated. The window shows about 5 lines of 60 Latin characters; keep it about as long as the English.</extracomment>
        <translation>ב-Dorvane מזינים שעות לשבוע אחד. פשוט בחרו לכל יום את השעה שבה אתם עובדים וסמנו את התיבה &quot;יום עבודה?&quot;. אם היא לא מסומנת, לא תקבלו התראה באותה שעה באותו יום. אם היא מסומנת, תקבלו התראה.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.cpp" line="+158"/>
        <source>Dorvane: Configuration</source>
        <extracomment>Title of the configuration window.</extracomment>
        <translation>הגדרות Dorvane</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Input Times      </source>
        <extracomment>Caption of the frame holding the seven days. Keep the six trailing spaces: the help icon stands after them. Bold; about 11 Latin characters fit before the icon, longer moves the icon right (frame is 171 px wide).</extracomment>
        <translation>הזנת שעות      </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work Today?</source>
        <extracomment>Heading over the column of working-day check boxes. 64 px wide at 8.25 pt Arial: about 11 Latin characters at most.</extracomment>
        <translation>יום עבודה?</translation>
    </message>
    <message>
        <location line="-191"/>
        <source>Sunday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>יום ראשון</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Monday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>יום שני</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tuesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>יום שלישי</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wednesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>יום רביעי</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thursday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>יום חמישי</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Friday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>יום שישי</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>יום שבת</translation>
    </message>
    <message>
        <location line="+196"/>
        <source>%1 alert time</source>
        <extracomment>Screen reader name of a day&apos;s time picker; %1 is the translated day caption (e.g. Monday).</extracomment>
        <translation>שעת ההתראה ב%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The time of the alert on %1; only the hour and the minute count. F1: help on inputting times.</source>
        <extracomment>Screen reader description of a day&apos;s time picker; %1 is the translated day caption.</extracomment>
        <translation>שעת ההתראה ב%1; רק השעה והדקה נחשבות. F1: עזרה בנושא הזנת שעות.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Work on %1</source>
        <extracomment>Screen reader name of a day&apos;s working-day check box; %1 is the translated day caption.</extracomment>
        <translation>עבודה ב%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ticked, %1 is a working day and alerts at its time.</source>
        <extracomment>Screen reader description of the check box; %1 is the translated day caption.</extracomment>
        <translation>כשמסומן, %1 הוא יום עבודה וההתראה מופעלת בשעה שנקבעה לו.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Display Options</source>
        <extracomment>Caption of the frame with the message and colours. Bold.</extracomment>
        <translation>אפשרויות תצוגה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Message to display:</source>
        <extracomment>Caption over the message box. 96 px wide (about 18 Latin characters); the help icon follows it.</extracomment>
        <translation>הודעה להצגה:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help on variables in messages</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>עזרה בנושא משתנים בהודעות</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help on inputting times</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>עזרה בנושא הזנת שעות</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Opens the help on variables in messages; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>פותח את העזרה בנושא משתנים בהודעות; אפשר גם ללחוץ F1 בתוך המסגרת שלו.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Opens the help on inputting times; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>פותח את העזרה בנושא הזנת שעות; אפשר גם ללחוץ F1 בתוך המסגרת שלו.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Go to work because it&apos;s %time% on %day%.</source>
        <extracomment>Placeholder text of the message box before the settings are loaded. Keep %time% and %day% exactly as they are.</extracomment>
        <translation>הגיע הזמן ללכת לעבודה: השעה %time% ב%day%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Message to display</source>
        <extracomment>Screen reader name of the message box.</extracomment>
        <translation>הודעה להצגה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The alert&apos;s message; %day%, %time% and %date% become the weekday, the time and the date. F1: help on the variables.</source>
        <extracomment>Screen reader description of the message box. Keep %day%, %time%, %date% exactly.</extracomment>
        <translation>הודעת ההתראה; %day%, %time% ו-%date% מוחלפים ביום בשבוע, בשעה ובתאריך. F1: עזרה בנושא משתנים בהודעות.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Font Color</source>
        <extracomment>Caption beside the text colour swatch (color of the alert&apos;s text). About 20 Latin characters at most.</extracomment>
        <translation>צבע הגופן</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background Color</source>
        <extracomment>Caption beside the background colour swatch. About 20 Latin characters at most.</extracomment>
        <translation>צבע הרקע</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The colour of the alert&apos;s text; click it, or press Alt+F, to choose another.</source>
        <extracomment>Screen reader description. Alt+F stays Alt+F in every language.</extracomment>
        <translation>צבע הטקסט של ההתראה; אפשר ללחוץ עליו או להקיש Alt+F כדי לבחור צבע אחר.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The colour behind the alert&apos;s text; click it, or press Alt+B, to choose another.</source>
        <extracomment>Screen reader description. Alt+B stays Alt+B in every language.</extracomment>
        <translation>הצבע שמאחורי הטקסט של ההתראה; אפשר ללחוץ עליו או להקיש Alt+B כדי לבחור צבע אחר.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A town at sunrise: time to get ready for work.</source>
        <extracomment>Screen reader description of the window&apos;s picture.</extracomment>
        <translation>עיירה בזריחה: הגיע הזמן להתכונן לעבודה.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hide</source>
        <extracomment>Button: hides the window to the notification area. 99 px wide.</extracomment>
        <translation>הסתרה</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hides this window; Dorvane goes on in the notification area.</source>
        <extracomment>Screen reader description of Hide.</extracomment>
        <translation>מסתיר את החלון הזה; Dorvane ממשיך לפעול באזור ההודעות.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quit</source>
        <extracomment>Button: ends the program. 99 px wide.</extracomment>
        <translation>יציאה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ends Dorvane.</source>
        <extracomment>Screen reader description of Quit.</extracomment>
        <translation>סוגר את Dorvane.</translation>
    </message>
    <message>
        <source>Play a sound with the alert</source>
        <extracomment>Check box caption in the Display Options frame, right of the colour swatches; about 160 px (about 24 Latin characters) at most, shorten rather than exceed.</extracomment>
        <translation type="vanished">השמעת צליל עם ההתראה</translation>
    </message>
    <message>
        <source>Ticked, the alert rings until you dismiss it, for at most a minute.</source>
        <extracomment>Screen reader description of the sound check box.</extracomment>
        <translation type="vanished">כשמסומן, ההתראה מצלצלת עד שסוגרים אותה, דקה לכל היותר.</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Error</source>
        <extracomment>Title of an error message box.</extracomment>
        <translation>שגיאה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error # %1 - %2</source>
        <extracomment>Text of the error message box: %1 is an error number, %2 its description. Keep &apos;#&apos; and &apos; - &apos; shape as natural.</extracomment>
        <translation>שגיאה מס&apos; %1 - %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../core/schedule.h" line="+72"/>
        <source>Get ready for work because it is now %time% on %day%.</source>
        <extracomment>The default alert message, shown full screen in huge type at the alert time. Keep %time% and %day% exactly; %time% becomes e.g. 7:05 AM, %day% the weekday name (from the locale, may be capitalised as the locale does).</extracomment>
        <translation>התכוננו לעבודה, השעה עכשיו %time% ב%day%.</translation>
    </message>
    <message>
        <location filename="../core/messagecomposer.h" line="+11"/>
        <source>Remember to input your new times for the week.</source>
        <extracomment>Reminder added under the alert message on Saturdays.</extracomment>
        <translation>לא לשכוח להזין את השעות החדשות לשבוע הבא.</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <location filename="../core/reminder.cpp" line="+93"/>
        <source>Dorvane could not save a setting</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>לא ניתן היה לשמור הגדרה של Dorvane</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The change stays in effect, and Dorvane saves it as soon as it can.</source>
        <extracomment>Second line of that notification.</extracomment>
        <translation>השינוי נשאר בתוקף, ו-Dorvane ישמור אותו ברגע שיוכל.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dorvane saved your settings</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>ההגדרות של Dorvane נשמרו</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The changes that could not be saved before are now saved in %1.</source>
        <extracomment>Notification text; %1 is a file path.</extracomment>
        <translation>השינויים שלא ניתן היה לשמור קודם נשמרו עכשיו ב-‎%1.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../core/settingsstore.cpp" line="+135"/>
        <source>The settings in %1 could not be read, so &quot;%2&quot; was not saved.</source>
        <extracomment>%1 is a file path, %2 a settings key name such as MondayTime (not translated).</extracomment>
        <translation>לא ניתן היה לקרוא את ההגדרות ב-‎%1, ולכן &quot;%2&quot; לא נשמר.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be saved: %2 cannot be written.</source>
        <extracomment>%1 is a settings key name such as MondayTime (not translated), %2 a file path.</extracomment>
        <translation>לא ניתן היה לשמור את &quot;%1&quot;: אין אפשרות לכתוב אל ‎%2.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../ui/trayicon.cpp" line="+68"/>
        <source>Configure</source>
        <extracomment>Tray menu item: shows or hides the configuration window.</extracomment>
        <translation>הגדרות</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit</source>
        <extracomment>Tray menu item: ends the program.</extracomment>
        <translation>יציאה</translation>
    </message>
</context>
</TS>
