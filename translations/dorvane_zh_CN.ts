<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlertWindow</name>
    <message>
        <location filename="../ui/alertwindow.cpp" line="+37"/>
        <source>Ok... I&apos;ll get ready now</source>
        <extracomment>The one button of the full-screen alert that dismisses it. Casual, first person. 203 px wide at 9.75 pt: about 30 Latin characters at most.</extracomment>
        <translation>好啦……我这就去准备</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dismisses the alert.</source>
        <extracomment>Screen reader description of the button.</extracomment>
        <translation>关闭提醒。</translation>
    </message>
</context>
<context>
    <name>Dorvane</name>
    <message>
        <location filename="../app/dorvane.cpp" line="+157"/>
        <source>The %1 alert was missed while the computer was asleep or its clock changed.</source>
        <extracomment>Tray notification; %1 is a time such as 7:05 AM.</extracomment>
        <translation>由于计算机处于睡眠状态或时钟被更改，错过了 %1 的提醒。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../ui/helpwindow.cpp" line="+15"/>
        <source>Help for</source>
        <extracomment>Title of the help window before a topic is chosen (rarely seen).</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <extracomment>Button that closes the help window. 61 px wide.</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes the help.</source>
        <extracomment>Screen reader description of OK.</extracomment>
        <translation>关闭帮助。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Help for variables in messages</source>
        <extracomment>Title of help topic 0.</extracomment>
        <translation>消息变量帮助</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dorvane supports the use of variables in the message. Below is a list of variables and what they do:</source>
        <extracomment>First paragraph of help topic 0.</extracomment>
        <translation>Dorvane 支持在消息中使用变量。以下是变量及其作用：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%time% - Outputs the current time in hour:minute AM/PM format.</source>
        <extracomment>A line of help topic 0. Keep %time% exactly, at the start.</extracomment>
        <translation>%time% - 以“时:分 AM/PM”格式输出当前时间。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%day% - Outputs the current day.</source>
        <extracomment>A line of help topic 0. Keep %day% exactly, at the start.</extracomment>
        <translation>%day% - 输出今天是星期几。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%date% - Outputs the current system date in Month/Day/Year format.</source>
        <extracomment>A line of help topic 0. Keep %date% exactly, at the start.</extracomment>
        <translation>%date% - 以“月/日/年”格式输出当前系统日期。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help for inputting times</source>
        <extracomment>Title of help topic 1.</extracomment>
        <translation>输入时间帮助</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dorvane supports inputs for one week. Just choose the time you work on any particular day and check the &apos;Work Today?&apos; box. If it is not checked, you will not be alerted at that time on that day. If it is checked, then you will be alerted.</source>
        <extracomment>Help topic 1. Quote the translated &apos;Work Today?&apos; caption exactly as translated. The window shows about 5 lines of 60 Latin characters; keep it about as long as the English.</extracomment>
        <translation>Dorvane 支持输入一周的时间。只需为每一天选择上班时间，并勾选“今天上班？”框。如果未勾选，那天的那个时间就不会提醒您。如果已勾选，就会提醒您。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.cpp" line="+158"/>
        <source>Dorvane: Configuration</source>
        <extracomment>Title of the configuration window.</extracomment>
        <translation>Dorvane: 设置</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Input Times      </source>
        <extracomment>Caption of the frame holding the seven days. Keep the six trailing spaces: the help icon stands after them. Bold; about 11 Latin characters fit before the icon, longer moves the icon right (frame is 171 px wide).</extracomment>
        <translation>输入时间      </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work Today?</source>
        <extracomment>Heading over the column of working-day check boxes. 64 px wide at 8.25 pt Arial: about 11 Latin characters at most.</extracomment>
        <translation>今天上班？</translation>
    </message>
    <message>
        <location line="-191"/>
        <source>Sunday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>星期日</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Monday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>星期一</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tuesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>星期二</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wednesday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>星期三</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thursday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>星期四</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Friday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>星期五</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturday</source>
        <extracomment>Caption over the day&apos;s time picker.</extracomment>
        <translation>星期六</translation>
    </message>
    <message>
        <location line="+196"/>
        <source>%1 alert time</source>
        <extracomment>Screen reader name of a day&apos;s time picker; %1 is the translated day caption (e.g. Monday).</extracomment>
        <translation>%1的提醒时间</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The time of the alert on %1; only the hour and the minute count. F1: help on inputting times.</source>
        <extracomment>Screen reader description of a day&apos;s time picker; %1 is the translated day caption.</extracomment>
        <translation>%1的提醒时间；只计小时和分钟。F1：输入时间帮助。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Work on %1</source>
        <extracomment>Screen reader name of a day&apos;s working-day check box; %1 is the translated day caption.</extracomment>
        <translation>%1上班</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ticked, %1 is a working day and alerts at its time.</source>
        <extracomment>Screen reader description of the check box; %1 is the translated day caption.</extracomment>
        <translation>勾选后，%1为工作日，到设定时间时提醒。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Display Options</source>
        <extracomment>Caption of the frame with the message and colours. Bold.</extracomment>
        <translation>显示选项</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Message to display:</source>
        <extracomment>Caption over the message box. 96 px wide (about 18 Latin characters); the help icon follows it.</extracomment>
        <translation>要显示的消息：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help on variables in messages</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>消息变量帮助</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help on inputting times</source>
        <extracomment>Screen reader name of a help icon.</extracomment>
        <translation>输入时间帮助</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Opens the help on variables in messages; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>打开消息变量帮助；在其框内按 F1 也可打开。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Opens the help on inputting times; so does F1 in its frame.</source>
        <extracomment>Screen reader description of a help icon.</extracomment>
        <translation>打开输入时间帮助；在其框内按 F1 也可打开。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Go to work because it&apos;s %time% on %day%.</source>
        <extracomment>Placeholder text of the message box before the settings are loaded. Keep %time% and %day% exactly as they are.</extracomment>
        <translation>现在是%day% %time%，该去上班了。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Message to display</source>
        <extracomment>Screen reader name of the message box.</extracomment>
        <translation>要显示的消息</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The alert&apos;s message; %day%, %time% and %date% become the weekday, the time and the date. F1: help on the variables.</source>
        <extracomment>Screen reader description of the message box. Keep %day%, %time%, %date% exactly.</extracomment>
        <translation>提醒的消息；%day%、%time% 和 %date% 会替换为星期、时间和日期。F1：消息变量帮助。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Font Color</source>
        <extracomment>Caption beside the text colour swatch (color of the alert&apos;s text). About 20 Latin characters at most.</extracomment>
        <translation>文字颜色</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background Color</source>
        <extracomment>Caption beside the background colour swatch. About 20 Latin characters at most.</extracomment>
        <translation>背景颜色</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The colour of the alert&apos;s text; click it, or press Alt+F, to choose another.</source>
        <extracomment>Screen reader description. Alt+F stays Alt+F in every language.</extracomment>
        <translation>提醒文字的颜色；单击它或按 Alt+F 可另选颜色。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The colour behind the alert&apos;s text; click it, or press Alt+B, to choose another.</source>
        <extracomment>Screen reader description. Alt+B stays Alt+B in every language.</extracomment>
        <translation>提醒文字背后的颜色；单击它或按 Alt+B 可另选颜色。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A town at sunrise: time to get ready for work.</source>
        <extracomment>Screen reader description of the window&apos;s picture.</extracomment>
        <translation>日出时分的小镇：该准备上班了。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hide</source>
        <extracomment>Button: hides the window to the notification area. 99 px wide.</extracomment>
        <translation>隐藏</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hides this window; Dorvane goes on in the notification area.</source>
        <extracomment>Screen reader description of Hide.</extracomment>
        <translation>隐藏此窗口；Dorvane 会在通知区域中继续运行。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quit</source>
        <extracomment>Button: ends the program. 99 px wide.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ends Dorvane.</source>
        <extracomment>Screen reader description of Quit.</extracomment>
        <translation>退出 Dorvane。</translation>
    </message>
    <message>
        <source>Play a sound with the alert</source>
        <extracomment>Check box caption in the Display Options frame, right of the colour swatches; about 160 px (about 24 Latin characters) at most, shorten rather than exceed.</extracomment>
        <translation type="vanished">提醒时播放声音</translation>
    </message>
    <message>
        <source>Ticked, the alert rings until you dismiss it, for at most a minute.</source>
        <extracomment>Screen reader description of the sound check box.</extracomment>
        <translation type="vanished">勾选后，提醒会一直响铃，直到您关闭它，最长一分钟。</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Error</source>
        <extracomment>Title of an error message box.</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error # %1 - %2</source>
        <extracomment>Text of the error message box: %1 is an error number, %2 its description. Keep &apos;#&apos; and &apos; - &apos; shape as natural.</extracomment>
        <translation>错误 # %1 - %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../core/schedule.h" line="+72"/>
        <source>Get ready for work because it is now %time% on %day%.</source>
        <extracomment>The default alert message, shown full screen in huge type at the alert time. Keep %time% and %day% exactly; %time% becomes e.g. 7:05 AM, %day% the weekday name (from the locale, may be capitalised as the locale does).</extracomment>
        <translation>现在是%day% %time%，该准备上班了。</translation>
    </message>
    <message>
        <location filename="../core/messagecomposer.h" line="+11"/>
        <source>Remember to input your new times for the week.</source>
        <extracomment>Reminder added under the alert message on Saturdays.</extracomment>
        <translation>记得输入下周的新时间。</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <location filename="../core/reminder.cpp" line="+93"/>
        <source>Dorvane could not save a setting</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>Dorvane 无法保存设置</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The change stays in effect, and Dorvane saves it as soon as it can.</source>
        <extracomment>Second line of that notification.</extracomment>
        <translation>更改仍然有效，Dorvane 会尽快保存。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dorvane saved your settings</source>
        <extracomment>Title of a notification.</extracomment>
        <translation>Dorvane 已保存您的设置</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The changes that could not be saved before are now saved in %1.</source>
        <extracomment>Notification text; %1 is a file path.</extracomment>
        <translation>之前未能保存的更改现已保存到 %1。</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../core/settingsstore.cpp" line="+135"/>
        <source>The settings in %1 could not be read, so &quot;%2&quot; was not saved.</source>
        <extracomment>%1 is a file path, %2 a settings key name such as MondayTime (not translated).</extracomment>
        <translation>无法读取 %1 中的设置，因此未保存“%2”。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be saved: %2 cannot be written.</source>
        <extracomment>%1 is a settings key name such as MondayTime (not translated), %2 a file path.</extracomment>
        <translation>无法保存“%1”：无法写入 %2。</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../ui/trayicon.cpp" line="+68"/>
        <source>Configure</source>
        <extracomment>Tray menu item: shows or hides the configuration window.</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit</source>
        <extracomment>Tray menu item: ends the program.</extracomment>
        <translation>退出</translation>
    </message>
</context>
</TS>
