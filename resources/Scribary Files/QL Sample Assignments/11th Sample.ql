Theme/Main Question-   Appearances can be deceiving, in other people, online, and in ourselves.
`Introduction-   We judge by surfaces every day; my experience shows that people, online lives and even my own image can deceive.
`Main Idea #1-   First impressions of people are often wrong.
@Ms. Okafor seemed like the strictest teacher in the building.
@She stayed after school three days a week to help students.
@Her red ink was the most careful feedback I had received.
@Her coldness was really high expectations and genuine care.
`Main Idea #2-   Social media is an illusion designed to convince.
@Feeds show vacations, awards and laughing friends.
@No one posts the argument or the rejection letter.
@A friend I envied online had felt anxious and alone.
@I was comparing my ordinary days to other people's best moments.
`Main Idea #3-   The appearance that fooled people most was my own.
@Everyone assumed school came easily to me.
@I stayed up past midnight, afraid of any weaker grade.
@Because I looked fine, no one asked if I was.
@Talking to my counselor showed me I was hiding behind a surface.
`Conclusion-   Looking past the surface takes effort, but it is the only way to see anyone, including ourselves, as we really are.`
