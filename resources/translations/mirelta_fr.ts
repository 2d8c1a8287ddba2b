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
        <location filename="../../src/app/folder_overview_action.cpp" line="25"/>
        <source>Open &amp;Folder...</source>
        <translation>Ouvrir un &amp;dossier...</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_action.cpp" line="31"/>
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
        <location filename="../../src/app/job_details_dialog.cpp" line="54"/>
        <source>Job Details - %1</source>
        <translation>Intervention - %1</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="57"/>
        <source>North positive</source>
        <translation>Nord positif</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="58"/>
        <source>East positive</source>
        <translation>Est positif</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="67"/>
        <source>&amp;Customer:</source>
        <translation>&amp;Client :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="68"/>
        <source>Site &amp;address:</source>
        <translation>&amp;Adresse du site :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="69"/>
        <source>&amp;Installer:</source>
        <translation>&amp;Installateur :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="70"/>
        <source>Job &amp;date:</source>
        <translation>&amp;Date de l'intervention :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="71"/>
        <source>Dish si&amp;ze:</source>
        <translation>&amp;Taille de la parabole :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="72"/>
        <source>&amp;LNB model:</source>
        <translation>&amp;Modèle de LNB :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="73"/>
        <source>&amp;GPS position:</source>
        <translation>Position &amp;GPS :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="74"/>
        <source>&amp;Notes:</source>
        <translation>&amp;Remarques :</translation>
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
        <location filename="../../src/app/main_window.cpp" line="111"/>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="91"/>
        <source>Open &amp;Recent</source>
        <translation>Fichiers ré&amp;cents</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="126"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="131"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="132"/>
        <location filename="../../src/app/mirelta_dlg.cpp" line="367"/>
        <source>&amp;About Mirelta...</source>
        <translation>À &amp;propos de Mirelta...</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="142"/>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="144"/>
        <source>&amp;Find</source>
        <translation>&amp;Pointage</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="145"/>
        <source>&amp;Constellation</source>
        <translation>&amp;Constellation</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="146"/>
        <source>&amp;Spectrum</source>
        <translation>&amp;Spectre</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="152"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="153"/>
        <source>&amp;English</source>
        <translation>&amp;Anglais</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="155"/>
        <source>F&amp;rench</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="158"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="161"/>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Ajuster à la fenêtre</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="163"/>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="164"/>
        <source>&amp;200 %</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="186"/>
        <source>No file open</source>
        <translation>Aucun fichier ouvert</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg.cpp" line="179"/>
        <source>Save &amp;As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="104"/>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <location filename="../../src/app/report_actions.cpp" line="51"/>
        <source>&amp;Report...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <location filename="../../src/app/report_actions.cpp" line="54"/>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
</context>
</TS>
