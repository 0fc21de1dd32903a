Theme/Main Question-   Losing my best friend when she moved away changed me.
`Introduction-   Maya and I did everything together until her family moved three states away.
`Main Idea #1-   Maya and I were a team.
@We walked to school together every day.
@We built couch-cushion forts and made up plays.
@We sold lemonade every summer.
@I never had to wonder who I would play with.
`Main Idea #2-   The day Maya moved was the worst day of the year.
@The movers loaded her things into a big orange truck.
@We hugged for a long time before she left.
@I cried that night and walked to school alone for weeks.
@I did not know where to sit at lunch.
`Main Idea #3-   Losing Maya taught me to be brave.
@I asked Jordan and Lily if I could sit with them.
@Now they are my friends too.
@Maya and I write letters and talk every Sunday.
@A friend who moves away is still a friend.
`Conclusion-   I was sad for a long time, but I learned that I can make new friends and keep old ones.`
