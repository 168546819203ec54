<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="strLogin">
        <source>Signed in</source>
        <extracomment>Status window: both the access token and the user id are stored.</extracomment>
        <translation>Signed in</translation>
    </message>
    <message id="strLogout">
        <source>Signed out</source>
        <extracomment>Status window: the access token or the user id is missing.</extracomment>
        <translation>Signed out</translation>
    </message>
    <message id="strVersion">
        <source>Version</source>
        <extracomment>About window: put before the version number, with one space.</extracomment>
        <translation>Version</translation>
    </message>
</context>
</TS>
