<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Texts of Qt's own dialogs that Qt's Traditional Chinese translation
     lacks. Loaded after Qt's, so these take precedence. The duplex texts
     are on the print dialog's options tab (Qt's qprintsettingsoutput.ui). -->
<TS version="2.1" language="zh_TW">
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>雙面列印</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>長邊裝訂</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>短邊裝訂</translation>
    </message>
</context>
</TS>
