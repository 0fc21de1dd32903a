Theme/Main Question-   Playing a solo at the spring concert was my biggest challenge, and it taught me to face my fears.
`Introduction-   I was terrified to play a trumpet solo in front of four hundred people, but I learned from facing it.
`Main Idea #1-   At first the solo made me panic.
@In the band my sound blended in with thirty other instruments.
@Alone, everyone would hear every cracked note.
@For a week I avoided practicing the solo.
@Telling Mr. Alvarez what I was afraid of made the fear smaller.
`Main Idea #2-   I made a plan and prepared harder than ever.
@I practiced slowly every night and a little faster each week.
@I recorded myself to hear my mistakes.
@My family became my practice audience.
@I learned to breathe deeply and look at the back wall.
`Main Idea #3-   On concert night I played even though I was nervous.
@I took a deep breath and began.
@I missed one note and kept going.
@The audience applauded and my stand partner gave me a high five.
@The solo was not perfect, but it was mine.
`Conclusion-   A challenge does not have to be beaten perfectly to be beaten, and now I remember those forty seconds whenever something scares me.`
