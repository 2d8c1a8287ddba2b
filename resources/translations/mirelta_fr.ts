<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Mirelta</name>
    <message>
        <location filename="../../src/app/analysis_action.cpp" line="24"/>
        <source>&amp;Analysis...</source>
        <translation>&amp;Analyse...</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_action.cpp" line="33"/>
        <source>Spectrum &amp;Analysis...</source>
        <translation>&amp;Analyse du spectre...</translation>
    </message>
    <message>
        <location filename="../../src/app/export_all_action.cpp" line="39"/>
        <source>&amp;Export All...</source>
        <translation>&amp;Tout exporter...</translation>
    </message>
    <message>
        <location filename="../../src/app/export_all_action.cpp" line="61"/>
        <source>Exporting pictures...</source>
        <translation>Exportation des images...</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_action.cpp" line="25"/>
        <source>Open &amp;Folder...</source>
        <translation>Ouvrir un &amp;dossier...</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_action.cpp" line="32"/>
        <source>Open Recent F&amp;older</source>
        <translation>Dossiers réce&amp;nts</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_action.cpp" line="25"/>
        <source>&amp;Job Details...</source>
        <translation>&amp;Intervention...</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="50"/>
        <source>&amp;Known</source>
        <translation>&amp;Connue</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="55"/>
        <source>Job Details - %1</source>
        <translation>Intervention - %1</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="58"/>
        <source>North positive</source>
        <translation>Nord positif</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="59"/>
        <source>East positive</source>
        <translation>Est positif</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="68"/>
        <source>&amp;Customer:</source>
        <translation>&amp;Client :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="69"/>
        <source>Site &amp;address:</source>
        <translation>&amp;Adresse du site :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="70"/>
        <source>&amp;Installer:</source>
        <translation>&amp;Installateur :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="71"/>
        <source>Job &amp;date:</source>
        <translation>&amp;Date de l&apos;intervention :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="72"/>
        <source>Dish si&amp;ze:</source>
        <translation>&amp;Taille de la parabole :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="73"/>
        <source>&amp;LNB model:</source>
        <translation>&amp;Modèle de LNB :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="74"/>
        <source>&amp;GPS position:</source>
        <translation>Position &amp;GPS :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="75"/>
        <source>&amp;Notes:</source>
        <translation>&amp;Remarques :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="130"/>
        <source>Replace the unreadable %1 with these details?</source>
        <translation>Remplacer le fichier illisible %1 par ces informations ?</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="26"/>
        <source>Mirelta</source>
        <translation>Mirelta</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="27"/>
        <source>%1 - Mirelta</source>
        <translation>%1 - Mirelta</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="107"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="108"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="112"/>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="91"/>
        <source>Open &amp;Recent</source>
        <translation>Fichiers ré&amp;cents</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="127"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="133"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="134"/>
        <location filename="../../src/app/mirelta_dlg.cpp" line="374"/>
        <source>&amp;About Mirelta...</source>
        <translation>À &amp;propos de Mirelta...</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="145"/>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="147"/>
        <source>&amp;Find</source>
        <translation>&amp;Pointage</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="148"/>
        <source>&amp;Constellation</source>
        <translation>&amp;Constellation</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="149"/>
        <source>&amp;Spectrum</source>
        <translation>&amp;Spectre</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="155"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="156"/>
        <source>&amp;English</source>
        <translation>&amp;Anglais</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="158"/>
        <source>F&amp;rench</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="161"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="164"/>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Ajuster à la fenêtre</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="166"/>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="167"/>
        <source>&amp;200 %</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="22"/>
        <source>no carrier found</source>
        <translation>aucune porteuse trouvée</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="41"/>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="48"/>
        <source>LNB &amp;LO (MHz):</source>
        <translation>&amp;OL du LNB (MHz) :</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="93"/>
        <location filename="../../src/app/main_window.cpp" line="190"/>
        <source>No file open</source>
        <translation>Aucun fichier ouvert</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="96"/>
        <source>This file holds no spectrum snapshot</source>
        <translation>Ce fichier ne contient aucun relevé de spectre</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="102"/>
        <source>Spectrum %1 of %2: %3</source>
        <translation>Spectre %1 sur %2 : %3</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="107"/>
        <source>Noise floor %1 dBuV, </source>
        <translation>Plancher de bruit %1 dBµV, </translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="108"/>
        <source>No noise floor, </source>
        <translation>Pas de plancher de bruit, </translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="125"/>
        <source>no level</source>
        <translation>pas de niveau</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg.cpp" line="186"/>
        <source>Save &amp;As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="104"/>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <location filename="../../src/app/report_actions.cpp" line="50"/>
        <source>&amp;Report...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <location filename="../../src/app/report_actions.cpp" line="53"/>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="29"/>
        <source>Centre IF (MHz)</source>
        <translation>Centre FI (MHz)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="30"/>
        <source>Bandwidth (MHz)</source>
        <translation>Largeur (MHz)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="31"/>
        <source>Symbol rate (Msps)</source>
        <translation>Débit symbole (Msym/s)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="31"/>
        <source>Peak (dBuV)</source>
        <translation>Crête (dBµV)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="32"/>
        <source>Channel power (dBuV)</source>
        <translation>Puissance canal (dBµV)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="33"/>
        <source>Matches</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="91"/>
        <source>cannot open: </source>
        <translation>ouverture impossible : </translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="92"/>
        <source>cannot read: </source>
        <translation>lecture impossible : </translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="96"/>
        <source>not a meter file</source>
        <translation>pas un fichier du mesureur</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="98"/>
        <source>no saved snapshots</source>
        <translation>aucun relevé enregistré</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="39"/>
        <source>Folder overview - </source>
        <translation>Vue du dossier - </translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="51"/>
        <source>Text in any column</source>
        <translation>Texte dans une colonne</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="53"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="57"/>
        <source>&amp;Verdict:</source>
        <translation>&amp;Verdict :</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="77"/>
        <source>Looking for meter files...</source>
        <translation>Recherche des fichiers du mesureur...</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="195"/>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="200"/>
        <source>files without snapshots</source>
        <translation>fichiers sans relevé</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="211"/>
        <source>Reading... </source>
        <translation>Lecture... </translation>
    </message>
</context>
</TS>
