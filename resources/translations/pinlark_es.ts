<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name></name>
    <message id="strVersion">
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message id="strLogin">
        <source>Signed in</source>
        <translation>Sesión iniciada</translation>
    </message>
    <message id="strLogout">
        <source>Signed out</source>
        <translation>Sesión cerrada</translation>
    </message>
</context>
<context>
    <name>AnswerTexts</name>
    <message>
        <source>(The service said: %1)</source>
        <translation>(El servicio respondió: %1)</translation>
    </message>
    <message>
        <source>Check the client id in Preferences: it must belong to an app registration for personal Microsoft accounts, with the redirect address %1 for mobile and desktop applications.</source>
        <translation>Compruebe el ID de cliente en Preferencias: debe pertenecer a un registro de aplicación para cuentas Microsoft personales, con la dirección de redirección %1 para aplicaciones móviles y de escritorio.</translation>
    </message>
    <message>
        <source>Pinlark refused a sign-in answer that did not belong to the sign-in it started, so nothing was signed in. Choose Sign In… to try again.</source>
        <translation>Pinlark rechazó una respuesta de inicio de sesión que no pertenecía al inicio de sesión que había empezado, así que no se inició ninguna sesión. Elija «Iniciar sesión…» para volver a intentarlo.</translation>
    </message>
    <message>
        <source>The sign-in did not finish: the window was closed on the sign-in service&apos;s error page.</source>
        <translation>El inicio de sesión no terminó: la ventana se cerró en la página de error del servicio de inicio de sesión.</translation>
    </message>
    <message>
        <source>Pinlark&apos;s client id may be the cause.</source>
        <translation>La causa puede ser el ID de cliente de Pinlark.</translation>
    </message>
    <message>
        <source>If the page named the application or the client, check the client id in Preferences; otherwise choose Sign In… to try again.</source>
        <translation>Si la página mencionaba la aplicación o el cliente, compruebe el ID de cliente en Preferencias; si no, elija «Iniciar sesión…» para volver a intentarlo.</translation>
    </message>
    <message>
        <source>You declined the access Pinlark asked for, so it is not signed in. Pinlark needs it to read the Pinlark page of your notebook and add to it: choose Sign In… and accept to use it.</source>
        <translation>Rechazó el acceso que Pinlark pidió, así que no ha iniciado sesión. Pinlark lo necesita para leer la página Pinlark de su bloc de notas y añadirle elementos: elija «Iniciar sesión…» y acepte para usarlo.</translation>
    </message>
    <message>
        <source>The sign-in service does not accept Pinlark&apos;s client id.</source>
        <translation>El servicio de inicio de sesión no acepta el ID de cliente de Pinlark.</translation>
    </message>
    <message>
        <source>The sign-in service is having trouble. Choose Sign In… again in a few minutes.</source>
        <translation>El servicio de inicio de sesión tiene problemas. Vuelva a elegir «Iniciar sesión…» dentro de unos minutos.</translation>
    </message>
    <message>
        <source>The sign-in service refused Pinlark&apos;s request. If you entered your own client id, check its app registration; then choose Sign In… to try again.</source>
        <translation>El servicio de inicio de sesión rechazó la solicitud de Pinlark. Si introdujo su propio ID de cliente, compruebe su registro de aplicación; luego elija «Iniciar sesión…» para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Pinlark got no answer from the service (offline, or the answer was lost), so your Pinlark page may or may not have been created. Pinlark looks for it first, so choosing Create the Page again never makes a second one.</source>
        <translation>Pinlark no recibió respuesta del servicio (sin conexión, o la respuesta se perdió), así que puede que su página Pinlark se haya creado o no. Pinlark la busca primero, de modo que volver a elegir «Crear la página» nunca crea una segunda.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>error %1: %2</translation>
    </message>
    <message>
        <source>The service did not let Pinlark create your Pinlark page (%1). Sign in again and accept the access Pinlark asks for, then choose Create the Page.</source>
        <translation>El servicio no permitió que Pinlark creara su página Pinlark (%1). Vuelva a iniciar sesión, acepte el acceso que Pinlark pide y luego elija «Crear la página».</translation>
    </message>
    <message>
        <source>The service refused to create your Pinlark page (%1). Nothing was created; choose Create the Page to try again.</source>
        <translation>El servicio se negó a crear su página Pinlark (%1). No se creó nada; elija «Crear la página» para volver a intentarlo.</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>The link on the clipboard is now plain text.</source>
        <translation>El enlace del portapapeles ahora es texto sin formato.</translation>
    </message>
    <message>
        <source>The clipboard holds no link to convert.</source>
        <translation>El portapapeles no contiene ningún enlace que convertir.</translation>
    </message>
    <message>
        <source>You are signed out. The service&apos;s sign-out page could not be shown, so that part was skipped.</source>
        <translation>Ha cerrado la sesión. No se pudo mostrar la página de cierre de sesión del servicio, así que se omitió esa parte.</translation>
    </message>
</context>
<context>
    <name>BoardTabs</name>
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Text snippets from a OneNote page, one click away in the tray.
Settings, sign-in and the cached page are kept in %1.</source>
        <translation>Fragmentos de texto de una página de OneNote, a un clic en la bandeja del sistema.
La configuración, la sesión y la página en caché se guardan en %1.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Show the running Pinlark&apos;s board, or hide it when shown; start Pinlark when none runs. Bind it to a key in the desktop&apos;s keyboard settings.</source>
        <translation>Muestra el tablero del Pinlark en marcha, o lo oculta si está a la vista; inicia Pinlark si no hay ninguno. Asígnelo a una tecla en la configuración del teclado del escritorio.</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Several lines: copied, paste it yourself</source>
        <translation>Varias líneas: copiadas, péguelas usted mismo</translation>
    </message>
    <message>
        <source>Pinlark could not add itself to the programs that start at login.</source>
        <translation>Pinlark no pudo añadirse a los programas que se inician al abrir la sesión.</translation>
    </message>
    <message>
        <source>Pinlark could not remove itself from the programs that start at login.</source>
        <translation>Pinlark no pudo quitarse de los programas que se inician al abrir la sesión.</translation>
    </message>
</context>
<context>
    <name>EmptyBoard</name>
    <message>
        <source>Sign In…</source>
        <translation>Iniciar sesión…</translation>
    </message>
    <message>
        <source>Open OneNote on the Web</source>
        <translation>Abrir OneNote en la web</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Opens the window where you sign in to your account.</source>
        <translation>Abre la ventana donde inicia sesión en su cuenta.</translation>
    </message>
    <message>
        <source>Opens your notebook in the web browser.</source>
        <translation>Abre su bloc de notas en el navegador web.</translation>
    </message>
    <message>
        <source>Looks for your Pinlark page again now.</source>
        <translation>Vuelve a buscar ahora su página Pinlark.</translation>
    </message>
    <message>
        <source>Sign in to see your snippets</source>
        <translation>Inicie sesión para ver sus fragmentos</translation>
    </message>
    <message>
        <source>Pinlark shows the snippets on the page titled Pinlark in your OneNote notebook. Sign in with your Microsoft account to load it.</source>
        <translation>Pinlark muestra los fragmentos de la página titulada Pinlark de su bloc de notas de OneNote. Inicie sesión con su cuenta de Microsoft para cargarla.</translation>
    </message>
    <message>
        <source>Looking for your Pinlark page…</source>
        <translation>Buscando su página Pinlark…</translation>
    </message>
    <message>
        <source>Pinlark is looking for a page titled Pinlark in your notebook. Its snippets appear here as soon as it is found.</source>
        <translation>Pinlark está buscando una página titulada Pinlark en su bloc de notas. Sus fragmentos aparecerán aquí en cuanto la encuentre.</translation>
    </message>
    <message>
        <source>No page titled Pinlark yet</source>
        <translation>Aún no hay ninguna página titulada Pinlark</translation>
    </message>
    <message>
        <source>Your Pinlark page has no items yet</source>
        <translation>Su página Pinlark aún no tiene elementos</translation>
    </message>
    <message>
        <source>Under a level-1 heading, write an item: its first paragraph is the name shown in the list, and it is copied with the paragraphs that follow it. Two empty lines end an item.</source>
        <translation>Debajo de un título de nivel 1, escriba un elemento: su primer párrafo es el nombre que aparece en la lista, y se copia junto con los párrafos que lo siguen. Dos líneas vacías terminan un elemento.</translation>
    </message>
    <message>
        <source>Use This Client Id</source>
        <translation>Usar este ID de cliente</translation>
    </message>
    <message>
        <source>Open the Registration Page</source>
        <translation>Abrir la página de registro</translation>
    </message>
    <message>
        <source>Create the Page</source>
        <translation>Crear la página</translation>
    </message>
    <message>
        <source>Application (client) id</source>
        <translation>ID de aplicación (cliente)</translation>
    </message>
    <message>
        <source>Keeps the client id in the settings and opens the sign-in.</source>
        <translation>Guarda el ID de cliente en la configuración y abre el inicio de sesión.</translation>
    </message>
    <message>
        <source>Opens the page where you register an application with Microsoft, in the web browser.</source>
        <translation>Abre en el navegador la página donde registra una aplicación en Microsoft.</translation>
    </message>
    <message>
        <source>Creates a page titled Pinlark in your notebook, with a few starter snippets.</source>
        <translation>Crea en su bloc de notas una página titulada Pinlark, con algunos fragmentos de inicio.</translation>
    </message>
    <message>
        <source>Paste the Application (client) ID of your app registration here.</source>
        <translation>Pegue aquí el ID de aplicación (cliente) de su registro de aplicación.</translation>
    </message>
    <message>
        <source>This is not a client id: it has the form 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d.</source>
        <translation>Esto no es un ID de cliente: tiene la forma 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d.</translation>
    </message>
    <message>
        <source>Pinlark needs a client id to sign in</source>
        <translation>Pinlark necesita un ID de cliente para iniciar sesión</translation>
    </message>
    <message>
        <source>Microsoft lets an app sign in to your notebook only under an application (client) id registered for it, and this copy of Pinlark has none built in. Registering one is free and takes a few minutes:
1. Open the registration page and sign in with your Microsoft account.
2. Choose New registration, give it any name, and pick an account type that includes personal Microsoft accounts.
3. Under Redirect URI, choose Public client/native (mobile and desktop) and enter %1
4. Register, copy the Application (client) ID and paste it here.</source>
        <translation>Microsoft solo deja que una aplicación acceda a su bloc de notas con un ID de aplicación (cliente) registrado para ella, y esta copia de Pinlark no trae ninguno. Registrar uno es gratis y lleva unos minutos:
1. Abra la página de registro e inicie sesión con su cuenta Microsoft.
2. Elija «Nuevo registro», cualquier nombre y un tipo de cuenta que incluya las cuentas Microsoft personales.
3. En «URI de redirección», elija «Cliente público/nativo (móvil y escritorio)» e introduzca %1
4. Registre la aplicación, copie el «Id. de aplicación (cliente)» y péguelo aquí.</translation>
    </message>
    <message>
        <source>Pinlark can create the page for you, in a section named Pinlark, with a few starter snippets that show how it works. Or make it yourself in any section: each level-1 heading (Heading 1) becomes a tab, and the paragraphs under it become the tab&apos;s items; then choose Refresh.</source>
        <translation>Pinlark puede crear la página por usted, en una sección llamada Pinlark, con algunos fragmentos de inicio que muestran cómo funciona. O créela usted mismo en cualquier sección: cada encabezado de nivel 1 (Título 1) se convierte en una pestaña, y los párrafos que tiene debajo en sus elementos; luego elija «Actualizar».</translation>
    </message>
    <message>
        <source>Creating your Pinlark page…</source>
        <translation>Creando su página Pinlark…</translation>
    </message>
    <message>
        <source>Pinlark is making the page in your notebook. Its starter snippets appear here as soon as it is there.</source>
        <translation>Pinlark está creando la página en su bloc de notas. Sus fragmentos de inicio aparecerán aquí en cuanto exista.</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>Close matches</source>
        <translation>Coincidencias cercanas</translation>
    </message>
</context>
<context>
    <name>ItemPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>MProblems</name>
    <message>
        <source>Pinlark could not save its files (is the disk full?). The previous files were kept.</source>
        <translation>Pinlark no pudo guardar sus archivos (¿está lleno el disco?). Se conservaron los archivos anteriores.</translation>
    </message>
    <message>
        <source>The last download of the Pinlark page could not be read. The board shows the page as it was before.</source>
        <translation>No se pudo leer la última descarga de la página Pinlark. El tablero muestra la página tal como estaba antes.</translation>
    </message>
    <message>
        <source>Your sign-in has expired or was revoked. Please sign in again.</source>
        <translation>Su sesión ha caducado o se ha revocado. Vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>The service does not accept Pinlark&apos;s account settings (ClientId). Check the settings file; Pinlark tries again when it changes.</source>
        <translation>El servicio no acepta la configuración de cuenta de Pinlark (ClientId). Revise el archivo de configuración; Pinlark lo volverá a intentar cuando cambie.</translation>
    </message>
    <message>
        <source>The sign-in window cannot open: its library or the browser engine (Qt WebEngine) is missing. Reinstalling Pinlark should bring it back.</source>
        <translation>La ventana de inicio de sesión no se puede abrir: falta su biblioteca o el motor del navegador (Qt WebEngine). Reinstalar Pinlark debería recuperarla.</translation>
    </message>
    <message>
        <source>Another program holds Pinlark&apos;s global shortcut, so it does not show the board. Choose another one in Preferences.</source>
        <translation>Otro programa ocupa el atajo global de Pinlark, así que este no muestra el tablero. Elija otro en Preferencias.</translation>
    </message>
    <message>
        <source>The sign-in did not finish.</source>
        <translation>El inicio de sesión no terminó.</translation>
    </message>
    <message>
        <source>A snippet could not be added to your Pinlark page. It is kept: the status window shows it.</source>
        <translation>No se pudo añadir un fragmento a su página de Pinlark. Se conserva: la ventana de estado lo muestra.</translation>
    </message>
    <message>
        <source>Pinlark&apos;s settings file or cached page is larger than 64 MB, so Pinlark did not read it and left it as it is.</source>
        <translation>El archivo de ajustes o la página en caché de Pinlark supera los 64 MB, así que Pinlark no lo ha leído y lo ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The settings file gives a service address that is not https: %1. Pinlark sends nothing until it is corrected.</source>
        <translation>El archivo de ajustes indica una dirección de servicio que no es https: %1. Pinlark no envía nada hasta que se corrija.</translation>
    </message>
    <message>
        <source>Pinlark could not create your Pinlark page.</source>
        <translation>Pinlark no pudo crear su página Pinlark.</translation>
    </message>
</context>
<context>
    <name>MTabViewColumn</name>
    <message>
        <source>Snippets</source>
        <translation>Fragmentos</translation>
    </message>
    <message>
        <source>Click a snippet, or choose it and press Enter, to copy it to the clipboard.</source>
        <translation>Haga clic en un fragmento, o selecciónelo y pulse Intro, para copiarlo al portapapeles.</translation>
    </message>
    <message>
        <source>Snippets in %1</source>
        <translation>Fragmentos de %1</translation>
    </message>
</context>
<context>
    <name>MWinAbout</name>
    <message>
        <source>About Pinlark</source>
        <translation>Acerca de Pinlark</translation>
    </message>
    <message>
        <source>Text snippets one click away, from a notebook page.</source>
        <translation>Fragmentos de texto a un clic, desde una página de su bloc de notas.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>MWinAddSnippet</name>
    <message>
        <source>Add Snippet</source>
        <translation>Añadir fragmento</translation>
    </message>
    <message>
        <source>The first line is the name the board shows; the whole text is what a click copies.</source>
        <translation>La primera línea es el nombre que muestra el tablero; el texto completo es lo que copia un clic.</translation>
    </message>
    <message>
        <source>Snippet text</source>
        <translation>Texto del fragmento</translation>
    </message>
    <message>
        <source>Choose a tab or type a new name</source>
        <translation>Elija una pestaña o escriba un nombre nuevo</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Pestaña</translation>
    </message>
    <message>
        <source>Add to Page</source>
        <translation>Añadir a la página</translation>
    </message>
    <message>
        <source>Tab:</source>
        <translation>Pestaña:</translation>
    </message>
    <message>
        <source>Type the snippet: its first line is its name.</source>
        <translation>Escriba el fragmento: su primera línea es su nombre.</translation>
    </message>
    <message>
        <source>Shown on the board as: %1</source>
        <translation>Se muestra en el tablero como: %1</translation>
    </message>
    <message>
        <source>A new tab named &quot;%1&quot; is added to the page.</source>
        <translation>Se añade a la página una pestaña nueva llamada «%1».</translation>
    </message>
</context>
<context>
    <name>MWinLogin</name>
    <message>
        <source>Sign in – Pinlark</source>
        <translation>Iniciar sesión – Pinlark</translation>
    </message>
</context>
<context>
    <name>MWinPreferences</name>
    <message>
        <source>Pinlark Preferences</source>
        <translation>Preferencias de Pinlark</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>&amp;Global shortcut (shows the board from any program):</source>
        <translation>Atajo &amp;global (muestra el tablero desde cualquier programa):</translation>
    </message>
    <message>
        <source>Press the keys; Tab moves on, Escape closes the window.</source>
        <translation>Pulse las teclas; Tab pasa al siguiente campo, Esc cierra la ventana.</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Paste into the window I came from after a copy</source>
        <translation>&amp;Pegar en la ventana anterior después de copiar</translation>
    </message>
    <message>
        <source>Copy &amp;without the first line</source>
        <translation>Copiar &amp;sin la primera línea</translation>
    </message>
    <message>
        <source>For items written as a title over a body: the title line and the blank lines after it are left out of the copy.</source>
        <translation>Para elementos escritos como un título sobre un cuerpo: la línea del título y las líneas vacías que la siguen no se copian.</translation>
    </message>
    <message>
        <source>&amp;Start at login</source>
        <translation>&amp;Iniciar al abrir la sesión</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Application (&amp;client) ID:</source>
        <translation>Id. de aplicación (&amp;cliente):</translation>
    </message>
    <message>
        <source>Pinlark&apos;s own</source>
        <translation>El de Pinlark</translation>
    </message>
    <message>
        <source>To sign in through an application of your own, register one for personal Microsoft accounts under App registrations in the &lt;a href=&quot;https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade&quot;&gt;Microsoft Entra admin center&lt;/a&gt;, with the redirect address https://login.live.com/oauth20_desktop.srf, and enter its Application (client) ID here.</source>
        <translation>Para iniciar sesión mediante una aplicación propia, registre una para cuentas personales de Microsoft en «Registros de aplicaciones» del &lt;a href=&quot;https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade&quot;&gt;Centro de administración de Microsoft Entra&lt;/a&gt;, con la dirección de redirección https://login.live.com/oauth20_desktop.srf, e introduzca aquí su Id. de aplicación (cliente).</translation>
    </message>
    <message>
        <source>Waiting for the desktop to accept the shortcut…</source>
        <translation>Esperando a que el escritorio acepte el atajo…</translation>
    </message>
    <message>
        <source>Another program holds this shortcut. Choose another one.</source>
        <translation>Otro programa ocupa este atajo. Elija otro.</translation>
    </message>
    <message>
        <source>This cannot be a global shortcut: hold Ctrl, Alt or Super with a key.</source>
        <translation>Esto no puede ser un atajo global: mantenga pulsada Ctrl, Alt o Súper junto con una tecla.</translation>
    </message>
    <message>
        <source>This desktop does not offer global shortcuts to programs. Bind a shortcut to the command pinlark in the desktop&apos;s settings instead.</source>
        <translation>Este escritorio no ofrece atajos globales a los programas. En su lugar, asigne un atajo al comando pinlark en la configuración del escritorio.</translation>
    </message>
    <message>
        <source>Not a client id: it is written as 32 hexadecimal digits in five groups, like 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. It is not saved.</source>
        <translation>No es un Id. de cliente: se escribe con 32 dígitos hexadecimales en cinco grupos, como 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. No se guarda.</translation>
    </message>
    <message>
        <source>This desktop does not let one program type into another, as on Wayland: an item you choose is only copied.</source>
        <translation>Este escritorio no permite que un programa escriba en otro, como ocurre en Wayland: un elemento que elija solo se copia.</translation>
    </message>
    <message>
        <source>Copy &amp;formatting (bold, links) for rich editors</source>
        <translation>Copiar el formato (negrita, enlaces) para editores &amp;enriquecidos</translation>
    </message>
    <message>
        <source>Items with formatting are copied as formatted text beside the plain text. Shift+Enter or Shift+click always copies plain text.</source>
        <translation>Los elementos con formato se copian como texto con formato junto al texto sin formato. Mayús+Intro o Mayús+clic copia siempre texto sin formato.</translation>
    </message>
    <message>
        <source>&amp;Order close matches by how often they were copied</source>
        <translation>&amp;Ordenar las coincidencias cercanas por frecuencia de copia</translation>
    </message>
    <message>
        <source>Counts are kept in a small file of Pinlark&apos;s data folder, never in your notebook. Matches of the text as typed keep the board&apos;s order.</source>
        <translation>Los recuentos se guardan en un pequeño archivo de la carpeta de datos de Pinlark, nunca en su bloc de notas. Las coincidencias del texto tal como se escribió mantienen el orden del tablero.</translation>
    </message>
</context>
<context>
    <name>MWinState</name>
    <message>
        <source>Status – Pinlark</source>
        <translation>Estado – Pinlark</translation>
    </message>
    <message>
        <source>Sign-in:</source>
        <translation>Sesión:</translation>
    </message>
    <message>
        <source>Last access:</source>
        <translation>Último acceso:</translation>
    </message>
    <message>
        <source>Last change:</source>
        <translation>Último cambio:</translation>
    </message>
    <message>
        <source>Last download:</source>
        <translation>Última descarga:</translation>
    </message>
    <message>
        <source>Problem:</source>
        <translation>Problema:</translation>
    </message>
    <message>
        <source>%1 (offline, retrying)</source>
        <translation>%1 (sin conexión, reintentando)</translation>
    </message>
    <message>
        <source>Kept in the system keyring</source>
        <translation>Guardada en el llavero del sistema</translation>
    </message>
    <message>
        <source>Kept in Pinlark&apos;s settings file, readable only by you</source>
        <translation>Guardada en el archivo de configuración de Pinlark, que solo usted puede leer</translation>
    </message>
    <message>
        <source>Snippets to add:</source>
        <translation>Fragmentos por añadir:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: waiting to be sent</source>
        <translation>«%1» en %2: esperando a enviarse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: sent, checking that it arrived</source>
        <translation>«%1» en %2: enviado, comprobando que llegó</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: refused by the page, kept here and on the board</source>
        <translation>«%1» en %2: rechazado por la página, se conserva aquí y en el tablero</translation>
    </message>
    <message>
        <source>%1, kept in the settings file: no system keyring answered</source>
        <translation>%1, guardada en el archivo de ajustes: ningún llavero del sistema respondió</translation>
    </message>
    <message>
        <source>Discard Refused Snippets</source>
        <translation>Descartar fragmentos rechazados</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Search all tabs</source>
        <translation>Buscar en todas las pestañas</translation>
    </message>
    <message>
        <source>Search snippets</source>
        <translation>Buscar fragmentos</translation>
    </message>
    <message>
        <source>Type to find snippets in every tab. Up and Down choose a match, Enter copies it, Escape clears the search.</source>
        <translation>Escriba para encontrar fragmentos en todas las pestañas. Arriba y Abajo eligen una coincidencia, Intro la copia y Esc borra la búsqueda.</translation>
    </message>
    <message>
        <source>Pinlark menu</source>
        <translation>Menú de Pinlark</translation>
    </message>
    <message>
        <source>Snippet board</source>
        <translation>Tablero de fragmentos</translation>
    </message>
    <message>
        <source>Loading the board page…</source>
        <translation>Cargando la página Pinlark…</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message>
        <source>The snippet is on the clipboard, ready to paste.</source>
        <translation>El fragmento está en el portapapeles, listo para pegar.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;status&quot;&gt;Something needs your attention…&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;status&quot;&gt;Algo requiere su atención…&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Show the Pinlark board</source>
        <translation>Mostrar el tablero de Pinlark</translation>
    </message>
</context>
<context>
    <name>ProblemNotifier</name>
    <message>
        <source>The system keyring did not answer, so Pinlark keeps your sign-in in its own settings file, readable only by you.</source>
        <translation>El llavero del sistema no respondió, así que Pinlark guarda su sesión en su propio archivo de configuración, que solo usted puede leer.</translation>
    </message>
    <message>
        <source>The service addresses in the settings file have changed, so the sign-in made with the old ones was removed. Please sign in again.</source>
        <translation>Las direcciones de los servicios han cambiado en el archivo de ajustes, así que se ha eliminado el inicio de sesión hecho con las anteriores. Vuelva a iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>SnippetOutboxKeeper</name>
    <message>
        <source>The snippet is kept and goes to your page once you sign in.</source>
        <translation>El fragmento se guarda y se añadirá a su página en cuanto inicie sesión.</translation>
    </message>
    <message>
        <source>%1 (not added)</source>
        <translation>%1 (no añadido)</translation>
    </message>
    <message>
        <source>%1 (adding…)</source>
        <translation>%1 (añadiendo…)</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Snippets still waiting to be added to your page: %1.</source>
        <translation>Fragmentos que aún esperan a añadirse a su página: %1.</translation>
    </message>
    <message>
        <source>Send them first, and Pinlark signs out once they are on the page; or discard them. They never go to another account.</source>
        <translation>Envíelos primero y Pinlark cerrará la sesión cuando estén en la página; o descártelos. Nunca van a otra cuenta.</translation>
    </message>
    <message>
        <source>Send First</source>
        <translation>Enviar primero</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>StarterPage</name>
    <message>
        <source>Start here</source>
        <translation>Empiece aquí</translation>
    </message>
    <message>
        <source>Click an item to copy it</source>
        <translation>Haga clic en un elemento para copiarlo</translation>
    </message>
    <message>
        <source>A click puts the whole item on the clipboard: its name (this first paragraph) and the paragraphs under it.</source>
        <translation>Un clic pone todo el elemento en el portapapeles: su nombre (este primer párrafo) y los párrafos de debajo.</translation>
    </message>
    <message>
        <source>Each Heading 1 is a tab</source>
        <translation>Cada Título 1 es una pestaña</translation>
    </message>
    <message>
        <source>Every level-1 heading on this page becomes a tab of the board, and the paragraphs under it become the tab&apos;s items.</source>
        <translation>Cada encabezado de nivel 1 de esta página se convierte en una pestaña del tablero, y los párrafos de debajo en los elementos de la pestaña.</translation>
    </message>
    <message>
        <source>Two blank lines end an item</source>
        <translation>Dos líneas en blanco terminan un elemento</translation>
    </message>
    <message>
        <source>An item goes on over one blank line. After two blank lines the next paragraph starts a new item.</source>
        <translation>Un elemento continúa tras una línea en blanco. Tras dos líneas en blanco, el párrafo siguiente empieza un elemento nuevo.</translation>
    </message>
    <message>
        <source>Edit this page in OneNote</source>
        <translation>Edite esta página en OneNote</translation>
    </message>
    <message>
        <source>Change, delete or add items on this page in OneNote. The board follows within two minutes, or at once with Refresh.</source>
        <translation>Cambie, borre o añada elementos en esta página en OneNote. El tablero se actualiza en dos minutos, o al momento con «Actualizar».</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Thank you for your message. I will get back to you soon.</source>
        <translation>Gracias por su mensaje. Le responderé pronto.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>1 Example Street</source>
        <translation>Calle Ejemplo 1</translation>
    </message>
    <message>
        <source>12345 Sample Town</source>
        <translation>12345 Villaejemplo</translation>
    </message>
</context>
<context>
    <name>StatusItem</name>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Show Pinlark</source>
        <translation>Mostrar Pinlark</translation>
    </message>
    <message>
        <source>Add Snippet…</source>
        <translation>Añadir fragmento…</translation>
    </message>
    <message>
        <source>Open Page in OneNote</source>
        <translation>Abrir la página en OneNote</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Convert Link on Clipboard to Text</source>
        <translation>Convertir el enlace del portapapeles en texto</translation>
    </message>
    <message>
        <source>Status…</source>
        <translation>Estado…</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Iniciar sesión…</translation>
    </message>
    <message>
        <source>Sign Out…</source>
        <translation>Cerrar sesión…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar al abrir la sesión</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Pinlark</source>
        <translation>Acerca de Pinlark</translation>
    </message>
    <message>
        <source>Quit Pinlark</source>
        <translation>Salir de Pinlark</translation>
    </message>
</context>
</TS>
